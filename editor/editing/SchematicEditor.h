#pragma once
// The editing core of one schematic window (`TFormSch` without its widgets):
// the tools, the mouse state machine, the keys, the clipboard commands and the
// painting of the surface. The window turns its events into these calls and
// shows the surface, on which the core has drawn.
#include "editor/editing/PartClipboard.h"
#include "editor/editing/PartGhost.h"
#include "editor/editing/RubberBand.h"
#include "editor/editing/TextPanel.h"
#include "editor/elements/Schematic.h"
#include "editor/properties/ElementDialogs.h"

#include <optional>
#include <string>
#include <vector>

enum class MouseButton { Left, Right, Middle };

// The virtual key codes of the key handler.
namespace VirtualKey {
constexpr int Enter = 13;
constexpr int Escape = 27;
constexpr int Delete = 46;
constexpr int C = 67;
constexpr int V = 86;
constexpr int X = 88;
}  // namespace VirtualKey

class SchematicEditor {
public:
    // surface: the window's 1000 x 1000 drawing surface, painted at once;
    // clipboard and dialogs: the frame's, shared by all windows;
    // subcktFolder: the subcircuit folder, with its trailing '/'.
    SchematicEditor(TCanvas& surface, PartClipboard& clipboard, ElementDialogs& dialogs, std::string subcktFolder,
                    bool subcircuit);

    Schematic& Document() { return doc_; }
    TextPanel& Text() { return text_; }

    // Tools. Each drops the part that follows the mouse first (a dragged part
    // goes back where it was).
    void ChooseKind(const std::string& controlName);  // the part buttons: kind = first letter of the name
    void ChooseWire();
    void ChooseText();  // shows the text panel
    void TextOk();      // Ok or Enter: the panel's text follows the mouse
    void TextCancel();
    void ChooseTransistor(char kind);               // 'Q', 'q', 'M' through their option dialogs
    void ChooseSubcircuit(const std::string& name);  // from the subcircuit list
    void ChooseCursor();
    void SetGrid(bool on);
    bool Grid() const { return grid_; }

    // Mouse on the surface and keys released in the window.
    void MouseDown(MouseButton button, int x, int y, bool shift);
    void MouseMove(int x, int y, bool leftHeld);
    void MouseUp(MouseButton button, int x, int y);
    // While the text panel has the focus, Delete and the clipboard keys belong
    // to the text being typed; Enter still confirms it.
    void KeyUp(int key, bool ctrl, Pt cursor, bool textPanelHasFocus);

    // The clipboard commands; the pasted parts follow the mouse from the cursor.
    void Copy();
    void Cut();
    void Paste(Pt cursor);

    // Reads a schematic file into this (new) window; false with the message.
    bool Load(const std::string& path, std::string& error);
    // Numbers the nodes and paints: node colours and labels show until the next repaint.
    void CheckNodes();
    // Paints the whole surface; the ghosts on it are gone until the next move.
    void Repaint();
    // "Schema", or "Schema: " and the file's path.
    std::string Caption() const;

    const GCompo* Placing() const { return placing_ ? &placing_->Part() : nullptr; }
    bool PastePending() const { return !pasted_.empty(); }
    bool Dragging() const { return dragFrom_.has_value(); }
    bool BandActive() const { return band_.BandActive; }
    bool SkipMove() const { return skipMove_; }

private:
    // Where a dragged part came from, so that it can go back.
    struct DragOrigin {
        std::size_t index;
        std::int32_t x, y, x2, y2, orientation;
    };

    void StartPlacing(std::unique_ptr<GCompo> part);
    void DropPlacing();
    void PutBack(std::unique_ptr<GCompo> part);
    void EditPartAt(int x, int y);
    void SelectOrStartBand(int x, int y, bool shift);
    void Rotate(int x, int y);
    void FixWireStart(int x, int y);
    void DropPlaced();
    void DropPasted();
    void StartDrag(int x, int y);
    void DropDragged();
    void DeleteSelected();
    static void Settle(GCompo& part);

    TCanvas& surface_;
    PartClipboard& clipboard_;
    ElementDialogs& dialogs_;
    std::string subcktFolder_;
    Schematic doc_;
    TextPanel text_;
    std::optional<PartGhost> placing_;
    std::vector<PartGhost> pasted_;
    RubberBand band_;
    std::optional<DragOrigin> dragFrom_;  // set while a part is dragged
    bool skipMove_ = false;
    bool grid_ = true;
};
