#pragma once
// What the frame asks of a schematic window, the child of run-time class
// name "TFormSch": its mode and file, loading and saving (File Save, Save
// As, Open, Open Subcircuit), the subcircuit save, and its picture on the
// clipboard and the printer. The frame makes each window through the maker
// given to TMainForm::SetSchematicWindows, handing it the part clipboard.
// The window itself may use MainForm directly (SaveDialog1, SaveSub,
// InitialDir, SaveAsOf for its close question, ProgramFolder).
#include <string>

#include "platform/MdiChild.h"

class QPrinter;

class SchematicChild : public MdiChild {
public:
    using MdiChild::MdiChild;

    virtual bool IsSubcircuit() const = 0;
    // The schematic file's full path; empty for a new window.
    virtual const std::string& FileName() const = 0;

    virtual void LoadSchema(const std::string& path) = 0;
    virtual void SaveSchema() = 0;
    virtual void SaveSchemaAs(const std::string& path) = 0;
    // The subcircuit save; asks for a name in SaveSub while FileName is empty.
    virtual void Saveassubc1Click() = 0;
    // The subcircuit save under a name asked for in SaveSub; Cancel keeps
    // the window's name.
    virtual void SaveSubcircuitAs() = 0;
    virtual void CopyPicture() = 0;
    virtual void PrintSchema(QPrinter& printer) = 0;
};
