#pragma once
// What the frame asks of a value list window, the child of run-time class
// name "TFormLista": copy and print.
#include "platform/MdiChild.h"

class QPrinter;

class ValueListChild : public MdiChild {
public:
    using MdiChild::MdiChild;

    virtual void CopyToClipboard() = 0;
    virtual void PrintGrid(QPrinter& printer) = 0;
};
