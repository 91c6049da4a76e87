#pragma once
// The frame tells its children apart by their run-time class name, compared
// exactly; the same name decides which commands are enabled.
class QObject;

enum class ChildKind { Result, Schematic, ValueList, Other };

// "TMDIChild", "TFormSch", "TFormLista", or any other class.
ChildKind KindOf(const QObject* child);

// Which controls UpdateMenuItems enables for the active child's kind.
struct MenuEnabling {
    bool fileItems;    // File Close, Save, Save As
    bool saveButtons;  // SaveBtn, ButtSaveAs
    bool copyPrint;    // ButtClipB, ButtPrint
    bool zoomCursor;   // ZoomB, ButtCur
};

MenuEnabling EnablingOf(ChildKind kind);
