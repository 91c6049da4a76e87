#include "engine/app/Form3.h"

#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStringList>
#include <vector>

#include "engine/app/FormVimlo.h"
#include "formats/Paths.h"
#include "formats/SideNames.h"
#include "formats/TextFile.h"
#include "platform/Application.h"
#include "platform/PathText.h"

TForm3::TForm3(TFormVimlo& vimlo, QWidget* parent)
    : QMainWindow(parent), Memo1(new QPlainTextEdit(this)), vimlo_(vimlo)
{
    setWindowTitle("Edit");
    resize(520, 400);
    setCentralWidget(Memo1);
    Save1 = menuBar()->addAction("Save", this, Guarded(this, &TForm3::Save1Click));
    SaveAs1 = menuBar()->addAction("Save As", this, Guarded(this, &TForm3::SaveAs1Click));
    Run1 = menuBar()->addAction("Run", this, Guarded(this, &TForm3::Run1Click));
    Exit1 = menuBar()->addAction("Exit", this, Guarded(this, &TForm3::Exit1Click));
    SaveD.defaultExt = "crc";
}

void TForm3::Load(const std::string& path)
{
    std::vector<std::string> lines;
    if (!ReadTextLines(path, lines)) {
        ShowException(("Cannot open file \"" + path + "\"").c_str());
        return;
    }
    QStringList text;
    for (const std::string& line : lines)
        text << QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
    Memo1->setPlainText(text.join('\n'));
    SetCurrentFile(path);
    show();
}

void TForm3::Save1Click()
{
    SaveTo(currentFile_);
}

void TForm3::SaveAs1Click()
{
    SaveD.initialDir = ExtractFilePath(currentFile_);
    std::string path;
    if (Dialogs().SaveFileName(SaveD, path) && SaveTo(path))
        SetCurrentFile(path);
}

void TForm3::Run1Click()
{
    if (vimlo_.Running())
        return;
    if (SaveTo(currentFile_))
        vimlo_.RunAnalysis(currentFile_, false);
}

void TForm3::Exit1Click()
{
    close();
}

// The text as lines (a last line break ends the last line) written with CR LF.
bool TForm3::SaveTo(const std::string& path)
{
    QStringList text = Memo1->toPlainText().split('\n');
    if (!text.isEmpty() && text.last().isEmpty())
        text.removeLast();
    std::vector<std::string> lines;
    for (const QString& line : text)
        lines.push_back(line.toLatin1().toStdString());
    if (path.empty() || !WriteTextLines(path, lines)) {
        ShowException(CannotCreateText(path).c_str());
        return false;
    }
    return true;
}

void TForm3::SetCurrentFile(const std::string& path)
{
    currentFile_ = path;
    setWindowTitle(DisplayText("Edit " + path));
}
