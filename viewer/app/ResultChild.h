#pragma once
// What the frame asks of a result window, the child of run-time class name
// "TMDIChild": (re)loading it, the file name it shows, its network function
// (Save and Save As write its files), taking the name of a Save As, copy
// and print.
#include <string>

#include "platform/MdiChild.h"

class FDT;
class QPrinter;

class ResultChild : public MdiChild {
public:
    using MdiChild::MdiChild;

    // (Re)loads the window from a network-function file and the parameter
    // file beside it, with the frame's remembered interval.
    virtual void OpenFdt(const std::string& path) = 0;
    // The file name it was opened on, without a view suffix.
    virtual std::string CaptionBase() const = 0;
    // Its network function; nullptr before the first OpenFdt.
    virtual FDT* Model() = 0;
    // The model now reads from this network-function file, written by Save
    // As: the window shows its name.
    virtual void SavedAs(const std::string& fdtPath) = 0;
    virtual void CopyToClipboard() = 0;
    virtual void PrintView(QPrinter& printer) = 0;
};
