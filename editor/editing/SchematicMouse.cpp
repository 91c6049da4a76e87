// The mouse state machine of the schematic editor: the first matching row of
// each table decides.
#include "editor/drawing/Surface.h"
#include "editor/editing/SchematicEditor.h"
#include "editor/editing/Selection.h"
#include "editor/elements/PartList.h"

#include <utility>

void SchematicEditor::MouseDown(MouseButton button, int x, int y, bool shift)
{
    if (button == MouseButton::Right && !placing_)
        EditPartAt(x, y);
    else if (PastePending() && button == MouseButton::Left)
        DropPasted();
    else if (!placing_)
        SelectOrStartBand(x, y, shift);
    else if (button != MouseButton::Left)
        Rotate(x, y);
    else if (placing_->Part().Kind == 'W' && !placing_->Part().StartFixed)
        FixWireStart(x, y);
    else if (dragFrom_)
        DropDragged();
    else
        DropPlaced();
}

void SchematicEditor::MouseMove(int x, int y, bool leftHeld)
{
    if (placing_) {
        if (skipMove_)
            skipMove_ = false;
        else
            placing_->MoveTo(x, y);
    } else if (PastePending()) {
        for (PartGhost& ghost : pasted_)
            ghost.MoveTo(x, y);
    } else if (band_.BandActive) {
        band_.MoveTo(surface_, x, y);
    } else if (leftHeld) {
        StartDrag(x, y);
    }
}

void SchematicEditor::MouseUp(MouseButton button, int x, int y)
{
    if (dragFrom_ && button == MouseButton::Left) {
        DropDragged();
    } else if (band_.BandActive) {
        SelectInside(doc_, band_.End(surface_, x, y));
        Repaint();
    }
}

void SchematicEditor::EditPartAt(int x, int y)
{
    int hit = FirstHit(doc_, x, y);
    if (hit < 0)
        return;
    GCompo& part = *doc_.Parts[static_cast<std::size_t>(hit)];
    part.Edit(dialogs_);
    Uniforma(doc_, part);
    doc_.Modified = true;
    Repaint();
}

void SchematicEditor::SelectOrStartBand(int x, int y, bool shift)
{
    if (SelectAt(doc_, x, y, shift))
        Repaint();
    else
        band_.Start(x, y);
}

void SchematicEditor::Rotate(int x, int y)
{
    placing_->Redraw([x, y](GCompo& part) {
        int steps = part.Kind == 'n' || part.Kind == 'K' ? 4 : 8;
        part.Orientation = (part.Orientation + 1) % steps;
        part.X = x;
        part.Y = y;
    });
}

void SchematicEditor::FixWireStart(int x, int y)
{
    // The moving end starts where the fixed one is placed, so that the ghost
    // never stretches to where the wire was before.
    placing_->Redraw([x, y](GCompo& wire) {
        wire.X2 = SnapToGrid(x);
        wire.Y2 = SnapToGrid(y);
        wire.StartFixed = 1;
        wire.X = x;
        wire.Y = y;
    });
}

// A final drawing that places the part on the grid and on the surface.
void SchematicEditor::Settle(GCompo& part)
{
    part.Draw(true, false);
    KeepOnSurface(part);
}

void SchematicEditor::DropPlaced()
{
    std::unique_ptr<GCompo> part = placing_->Release();
    Settle(*part);
    auto next = std::make_unique<GCompo>(*part, &surface_);
    AddComponent(doc_, std::move(part));
    placing_.emplace(std::move(next));
    doc_.Modified = true;
    Repaint();
}

void SchematicEditor::DropPasted()
{
    for (PartGhost& ghost : pasted_) {
        ghost.Hide();
        const GCompo& pasted = ghost.Part();
        auto part = std::make_unique<GCompo>(pasted, &surface_);
        part->X = pasted.X;
        part->Y = pasted.Y;
        part->WireDX = pasted.WireDX;
        part->WireDY = pasted.WireDY;
        part->Name = pasted.Name;
        part->StartFixed = 1;
        part->MoveWhole = 1;
        part->Draw(true, false);
        part->MoveWhole = 0;
        KeepOnSurface(*part);
        AddComponent(doc_, std::move(part));
    }
    pasted_.clear();
    doc_.Modified = true;
    Repaint();
}

void SchematicEditor::StartDrag(int x, int y)
{
    int hit = FirstHit(doc_, x, y, true);
    if (hit < 0)
        return;
    auto at = doc_.Parts.begin() + hit;
    std::unique_ptr<GCompo> part = std::move(*at);
    doc_.Parts.erase(at);
    dragFrom_ = DragOrigin{static_cast<std::size_t>(hit), part->X, part->Y, part->X2, part->Y2, part->Orientation};
    part->Selected = 0;
    if (part->Kind == 'W') {
        auto squared = [](long long dx, long long dy) { return dx * dx + dy * dy; };
        long long toMoving = squared(x - part->X, y - part->Y), toFixed = squared(x - part->X2, y - part->Y2);
        if (toFixed < toMoving) {
            // The ends change roles: the grabbed one moves, the other stays.
            std::swap(part->X, part->X2);
            std::swap(part->Y, part->Y2);
            doc_.Modified = true;
        }
    } else {
        // It stays where it is, without a ghost, until the mouse moves.
        part->GrabDX = x - part->X;
        part->GrabDY = y - part->Y;
        doc_.Modified = true;
    }
    StartPlacing(std::move(part));
    Repaint();
}

void SchematicEditor::DropDragged()
{
    std::unique_ptr<GCompo> part = placing_->Release();
    placing_.reset();
    dragFrom_.reset();
    part->GrabDX = part->GrabDY = 0;
    Settle(*part);
    AddComponent(doc_, std::move(part));
    doc_.Modified = true;
    Repaint();
}
