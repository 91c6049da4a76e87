// The schematic window's files, close question, picture and printing.
#include <QApplication>
#include <QClipboard>
#include <QPainter>
#include <QPrinter>
#include <QScreen>

#include "editor/app/FormSch.h"
#include "editor/app/MainForm.h"
#include "editor/commands/CloseQuery.h"
#include "editor/drawing/Picture.h"
#include "editor/files/SchematicFile.h"
#include "platform/Dialogs.h"
#include "platform/ImageCanvas.h"

namespace {

// The picture of the parts' box with its margins; none without parts.
std::optional<QImage> PictureOf(Schematic& schematic, PictureFrame& frame)
{
    std::optional<PictureFrame> geometry = PictureGeometry(schematic);
    if (!geometry)
        return std::nullopt;
    frame = *geometry;
    ImageCanvas picture(frame.Width, frame.Height);
    DrawPicture(schematic, frame, picture);
    return picture.Image();
}

}  // namespace

bool TFormSch::IsSubcircuit() const
{
    return editor_->Document().IsSubcircuit;
}

const std::string& TFormSch::FileName() const
{
    return editor_->Document().FileName;
}

// A file that cannot be read closes the window after its message: none of
// it stays open.
void TFormSch::LoadSchema(const std::string& path)
{
    std::string error;
    bool loaded = editor_->Load(path, error);
    Refresh();
    if (!loaded) {
        ShowMessage(error);
        CloseWindow();
    }
}

void TFormSch::SaveSchema()
{
    std::string error;
    if (!::SaveSchema(Document(), error))
        ShowMessage(error);
    Refresh();
}

void TFormSch::SaveSchemaAs(const std::string& path)
{
    std::string error;
    if (!::SaveSchemaAs(Document(), path, error))
        ShowMessage(error);
    Refresh();
}

// The window asked about comes to the front: closing the frame asks each
// window, and an unnamed one's question names no file.
bool TFormSch::FormCloseQuery()
{
    auto ask = [this](const std::string& question) {
        if (MainForm)
            MainForm->Activate(this);
        switch (MessageDlg(question, MsgIcon::Warning, MsgButtons::YesNoCancel)) {
        case MsgResult::Yes: return CloseAnswer::Yes;
        case MsgResult::No: return CloseAnswer::No;
        default: return CloseAnswer::Cancel;
        }
    };
    return MayClose(Document(), ask, [this] { return SaveForClose(); });
}

// An unnamed window is saved through the frame's Save As (a subcircuit
// through its subcircuit save); a named one writes its schematic file.
bool TFormSch::SaveForClose()
{
    if (!FileName().empty())
        SaveSchema();
    else if (MainForm)
        MainForm->SaveAsOf(this);
    return !Document().Modified;
}

void TFormSch::CopyPicture()
{
    PictureFrame frame{};
    if (std::optional<QImage> picture = PictureOf(Document(), frame))
        QApplication::clipboard()->setImage(*picture);
    Refresh();
}

void TFormSch::PrintSchema(QPrinter& printer)
{
    PictureFrame frame{};
    std::optional<QImage> picture = PictureOf(Document(), frame);
    Refresh();
    if (!picture)
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        ShowMessage("Cannot print!");
        return;
    }
    int screenWidth = QApplication::primaryScreen() ? QApplication::primaryScreen()->size().width() : 1024;
    PrintPlacement target = PrintTarget(frame, painter.device()->width(), screenWidth);
    painter.drawImage(QRect(target.Left, target.Top, target.Width, target.Height), *picture);
    painter.end();
}
