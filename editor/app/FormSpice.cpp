#include "editor/app/FormSpice.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "editor/app/MainForm.h"
#include "editor/app/SpeedGlyphs.h"
#include "formats/Handshake.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Latin1.h"
#include "platform/PathText.h"
#include "platform/StartProgram.h"

namespace {

std::string CannotStart(const std::string& program)
{
    return "Cannot start the SPICE program \"" + program + "\"";
}

}  // namespace

std::optional<std::string> SpiceIniSettings::Read(const std::string& key) const
{
    return ini_.ReadValue(kIniSection, key);
}

void SpiceIniSettings::Write(const std::string& key, const std::string& value)
{
    if (!ini_.WriteString(kIniSection, key, value))
        ShowMessage("Cannot write " + ini_.Path() + "!");
}

TFormSpice::TFormSpice(QWidget* owner, const std::string& programFolder)
    : Memo1(new QPlainTextEdit(this)),
      Panel1(new QWidget(this)),
      Edit1(new QLineEdit(Panel1)),
      SpeedButton1(new QToolButton(Panel1)),
      Exit(new QToolButton(Panel1)),
      Edit2(new QLineEdit(Panel1)),
      SpeedButton2(new QToolButton(Panel1)),
      SpeedButton3(new QToolButton(Panel1)),
      SpeedButton4(new QToolButton(Panel1)),
      Status(new QLabel(Panel1)),
      settings_(programFolder + IniFile::kFileName),
      model_(settings_)
{
    resize(457, 456);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    BuildPanel();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Memo1, 1);
    layout->addWidget(Panel1);

    connect(SpeedButton1, &QToolButton::clicked, this, Guarded(this, &TFormSpice::SpeedButton1Click));
    connect(SpeedButton2, &QToolButton::clicked, this, Guarded(this, &TFormSpice::SpeedButton2Click));
    connect(SpeedButton3, &QToolButton::clicked, this, Guarded(this, &TFormSpice::BitBtn1Click));
    connect(SpeedButton4, &QToolButton::clicked, this, Guarded(this, &TFormSpice::BitBtn2Click));
    connect(Exit, &QToolButton::clicked, this, Guarded(this, &TFormSpice::ExitClick));
    if (owner)
        connect(owner, &QObject::destroyed, this, &MdiChild::CloseWindow, Qt::QueuedConnection);
}

TFormSpice::~TFormSpice() = default;

// The controls below the memo: program, analysis line, buttons and status.
void TFormSpice::BuildPanel()
{
    Edit1->setReadOnly(true);
    QPalette face = Edit1->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Button));
    Edit1->setPalette(face);
    SpeedButton1->setText("...");
    SpeedButton2->setText("ok");
    Edit2->setText(".AC DEC 100 1 1000");

    auto flat = [](QToolButton* button, const QIcon& icon, const char* text) {
        button->setIcon(icon);
        button->setText(text);
        button->setToolTip(text);
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    };
    flat(SpeedButton3, style()->standardIcon(QStyle::SP_MediaPlay), "Run Spice");
    flat(SpeedButton4, GlyphIcon(Glyph::SaveAs), "Save As");
    flat(Exit, GlyphIcon(Glyph::Exit), "Exit");
    Exit->setToolButtonStyle(Qt::ToolButtonIconOnly);
    Status->setWordWrap(true);
    Status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    Status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Status->setMinimumHeight(2 * Status->fontMetrics().lineSpacing());  // the panel keeps its height

    auto* grid = new QGridLayout(Panel1);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->addWidget(new QLabel("Spice Prog.:", Panel1), 0, 0);
    grid->addWidget(Edit1, 0, 1, 1, 3);
    grid->addWidget(SpeedButton1, 0, 4);
    grid->addWidget(new QLabel("Def. Symul.:", Panel1), 1, 0);
    grid->addWidget(Edit2, 1, 1, 1, 3);
    grid->addWidget(SpeedButton2, 1, 4);
    grid->addWidget(SpeedButton3, 2, 0);
    grid->addWidget(SpeedButton4, 2, 1, Qt::AlignLeft);
    grid->addWidget(Exit, 2, 4);
    grid->addWidget(Status, 3, 0, 1, 5);
    grid->setColumnStretch(3, 1);
}

bool TFormSpice::LoadNetlist(const std::string& path)
{
    std::string error;
    if (!model_.LoadNetlist(path, error)) {
        ShowMessage(error);
        return false;
    }
    ShowPath();
    Edit1->setText(PathText(model_.Program()));
    Edit2->setText(Latin1(model_.Analysis()));
    ShowMemo();
    return true;
}

void TFormSpice::SpeedButton1Click()
{
    std::string path;
    if (!Dialogs().OpenFileName(model_.ProgramRequest(), path))
        return;
    model_.ChooseProgram(path);
    Edit1->setText(PathText(model_.Program()));
}

void TFormSpice::SpeedButton2Click()
{
    model_.ApplyAnalysis(Bytes(Edit2->text()), MemoText());
    ShowMemo();
}

void TFormSpice::BitBtn1Click()
{
    CommandOutcome outcome = model_.RunSpice(MemoText());
    ShowStatus("");
    switch (outcome.Step) {
    case CommandOutcome::Next::Nothing:
        ShowStatus("Choose the SPICE program with \"...\" first.");
        break;
    case CommandOutcome::Next::ShowMessage:
        ShowMessage(outcome.Message);
        break;
    case CommandOutcome::Next::StartProgram:
        if (StartProgram(outcome.Program.Program, outcome.Program.Arguments))
            ShowStatus(outcome.Status);
        else
            ShowMessage(CannotStart(outcome.Program.Program));
        break;
    default:
        break;
    }
}

void TFormSpice::BitBtn2Click()
{
    std::string path, error;
    if (!Dialogs().SaveFileName(model_.SaveAsRequest(), path))
        return;
    if (model_.SaveAs(path, MemoText(), error)) {
        ShowPath();
        ShowStatus("");  // it told of the file before
    } else {
        ShowMessage(error);
    }
}

void TFormSpice::ExitClick()
{
    CloseWindow();
}

std::string TFormSpice::MemoText() const
{
    return Bytes(Memo1->toPlainText());
}

// The model's memo, at the place the user was looking.
void TFormSpice::ShowMemo()
{
    int scrolled = Memo1->verticalScrollBar()->value();
    Memo1->setPlainText(Latin1(model_.MemoText()));
    Memo1->verticalScrollBar()->setValue(scrolled);
}

// Also as a tip: a long path may not fit the window.
void TFormSpice::ShowStatus(const std::string& text)
{
    Status->setText(DisplayText(text));
    Status->setToolTip(DisplayText(text));
}

void TFormSpice::ShowPath()
{
    setWindowTitle(PathText(model_.NetlistPath()));
}

TFormSpice* OpenSpiceWindow(QWidget* owner, const std::string& netlistPath)
{
    if (!MainForm)
        return nullptr;
    auto* window = new TFormSpice(owner, MainForm->ProgramFolder());
    if (!window->LoadNetlist(netlistPath)) {
        delete window;
        return nullptr;
    }
    MainForm->AddChild(window);
    return window;
}
