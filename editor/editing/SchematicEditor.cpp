#include "editor/editing/SchematicEditor.h"

#include "editor/drawing/Surface.h"
#include "editor/editing/Selection.h"
#include "editor/elements/PartList.h"
#include "editor/elements/SubcktSymbol.h"
#include "editor/elements/VisibleName.h"
#include "editor/files/SchematicFile.h"
#include "editor/numbering/NodeNumbering.h"
#include "editor/subcircuits/SubcircuitList.h"

#include <algorithm>

SchematicEditor::SchematicEditor(TCanvas& surface, PartClipboard& clipboard, ElementDialogs& dialogs,
                                 std::string subcktFolder, bool subcircuit)
    : surface_(surface), clipboard_(clipboard), dialogs_(dialogs), subcktFolder_(std::move(subcktFolder))
{
    doc_.IsSubcircuit = subcircuit;
    Repaint();
}

void SchematicEditor::StartPlacing(std::unique_ptr<GCompo> part) { placing_.emplace(std::move(part)); }

void SchematicEditor::DropPlacing()
{
    if (!placing_)
        return;
    std::unique_ptr<GCompo> part = placing_->Release();
    placing_.reset();
    if (dragFrom_)
        PutBack(std::move(part));
}

void SchematicEditor::PutBack(std::unique_ptr<GCompo> part)
{
    part->X = dragFrom_->x;
    part->Y = dragFrom_->y;
    part->X2 = dragFrom_->x2;
    part->Y2 = dragFrom_->y2;
    part->Orientation = dragFrom_->orientation;
    part->GrabDX = part->GrabDY = 0;
    part->Selected = 1;
    std::size_t at = std::min(dragFrom_->index, doc_.Parts.size());
    doc_.Parts.insert(doc_.Parts.begin() + static_cast<std::ptrdiff_t>(at), std::move(part));
    dragFrom_.reset();
    Repaint();
}

void SchematicEditor::ChooseKind(const std::string& controlName)
{
    if (controlName.empty())
        return;
    DropPlacing();
    StartPlacing(std::make_unique<GCompo>(controlName[0], &surface_, false, false, false));
}

void SchematicEditor::ChooseWire()
{
    DropPlacing();
    StartPlacing(std::make_unique<GCompo>('W', &surface_, false, false, false));
    doc_.Modified = true;
}

void SchematicEditor::ChooseText()
{
    DropPlacing();
    text_.Visible = true;
}

void SchematicEditor::TextOk()
{
    text_.Visible = false;
    DropPlacing();
    auto part = std::make_unique<GCompo>('T', &surface_, false, false, false);
    part->Text = text_.Text;
    StartPlacing(std::move(part));
}

void SchematicEditor::TextCancel() { text_.Visible = false; }

void SchematicEditor::ChooseTransistor(char kind)
{
    ModelOptionsForm& form = dialogs_.OptionsFor(kind);
    if (!dialogs_.ShowOptions(form))
        return;
    DropPlacing();
    auto part = std::make_unique<GCompo>(kind, &surface_, form.Checked[0], form.Checked[1],
                                         kind != 'Q' && form.Checked[2]);
    part->Text = form.IsTypeN ? "N" : "P";
    StartPlacing(std::move(part));
    skipMove_ = true;
}

void SchematicEditor::ChooseSubcircuit(const std::string& name)
{
    DropPlacing();
    // Its instances' lines could not be read back.
    std::string refused;
    if (!CheckSubcircuitName(name, refused)) {
        dialogs_.ShowMessage("SubCircuit " + VisibleName(name) + " cannot be placed!\r\n" + refused);
        return;
    }
    try {
        StartPlacing(std::make_unique<GCompo>(name, &surface_, subcktFolder_));
    } catch (const SubcktUndefined& e) {
        dialogs_.ShowMessage(e.what());
    }
}

void SchematicEditor::ChooseCursor()
{
    DropPlacing();
    doc_.Modified = true;
    Repaint();
}

void SchematicEditor::SetGrid(bool on)
{
    grid_ = on;
    if (placing_) {
        // Parked off the surface until the next move.
        placing_->Hide();
        GCompo& part = placing_->Part();
        part.X = -1000 - part.GrabDX;
        part.Y = -1000 - part.GrabDY;
    }
    Repaint();
}

void SchematicEditor::KeyUp(int key, bool ctrl, Pt cursor, bool textPanelHasFocus)
{
    bool forParts = !textPanelHasFocus;
    switch (key) {
    case VirtualKey::Delete:
        if (forParts)
            DeleteSelected();
        break;
    case VirtualKey::Escape: DropPlacing(); break;
    case VirtualKey::Enter:
        if (text_.Visible)
            TextOk();
        break;
    case VirtualKey::C:
        if (ctrl && forParts)
            Copy();
        break;
    case VirtualKey::X:
        if (ctrl && forParts)
            Cut();
        break;
    case VirtualKey::V:
        if (ctrl && forParts)
            Paste(cursor);
        break;
    default: break;
    }
}

void SchematicEditor::DeleteSelected()
{
    if (::DeleteSelected(doc_) > 0)
        doc_.Modified = true;
    Repaint();
}

void SchematicEditor::Copy() { clipboard_.Copy(doc_); }

void SchematicEditor::Cut()
{
    clipboard_.Cut(doc_);
    Repaint();
    doc_.Modified = true;
}

void SchematicEditor::Paste(Pt cursor)
{
    if (!clipboard_.Empty()) {
        for (PartGhost& ghost : pasted_)
            ghost.Hide();
        pasted_.clear();
        for (const auto& part : clipboard_.Parts()) {
            pasted_.emplace_back(PartClipboard::Take(*part, &surface_));
            pasted_.back().MoveTo(cursor.x, cursor.y);
        }
    }
    doc_.Modified = true;
}

bool SchematicEditor::Load(const std::string& path, std::string& error)
{
    bool loaded = LoadSchema(doc_, path, &surface_, subcktFolder_, error);
    Repaint();
    return loaded;
}

void SchematicEditor::CheckNodes()
{
    NumberNodes(doc_, &surface_);
    Repaint();
}

void SchematicEditor::Repaint()
{
    PaintSurface(doc_, surface_, grid_);
    if (placing_)
        placing_->Forget();
    for (PartGhost& ghost : pasted_)
        ghost.Forget();
    band_.Forget();
}

std::string SchematicEditor::Caption() const
{
    return doc_.FileName.empty() ? "Schema" : "Schema: " + doc_.FileName;
}
