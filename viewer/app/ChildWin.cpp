#include "viewer/app/ChildWin.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>

#include "platform/Application.h"
#include "platform/Latin1.h"
#include "platform/PathText.h"
#include "platform/Dialogs.h"
#include "platform/Help.h"
#include "viewer/app/ApproxForm.h"
#include "viewer/app/FormCur.h"
#include "viewer/app/FormLista.h"
#include "viewer/app/ParamDlg.h"

namespace {

constexpr int kResultHelp = 300;
constexpr qsizetype kLargeText = 1 << 20;
constexpr int kPlotFontHeight = -12;

}  // namespace

TMDIChild::TMDIChild(QWidget* parent)
    : ResultChild(parent),
      Panel1(new ResultPanel(this)),
      Panel4(new QStackedWidget(this)),
      PaintBox1(new CanvasView(Panel4)),
      Memo1(new QPlainTextEdit(Panel4)),
      wait_(this),
      core_(*this)
{
    resize(724, 483);
    core_.Model().progress = &wait_;
    PaintBox1->Canvas().SetFont(PlotFont());
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont memoFont("Sans Serif");
    memoFont.setPixelSize(13);
    Memo1->setFont(memoFont);
    Panel4->addWidget(PaintBox1);
    Panel4->addWidget(Memo1);
    Panel4->setCurrentWidget(Memo1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel4, 1);
    layout->addWidget(Panel1);
    BuildMenu();
    ConnectPanel();
    ShowControls();
}

TMDIChild::~TMDIChild() = default;

TFont TMDIChild::PlotFont()
{
    TFont font;
    font.Height = kPlotFontHeight;
    return font;
}

void TMDIChild::BuildMenu()
{
    auto item = [this](const char* caption, void (TMDIChild::*command)()) {
        auto* action = new QAction(caption, this);
        connect(action, &QAction::triggered, this, Guarded(this, command));
        menu_.append(action);
        return action;
    };
    FdT1 = item("Symbolic", &TMDIChild::FdT1Click);
    Numeric2 = item("Numeric", &TMDIChild::Numeric1Click);
    Phasor1 = item("Phasor", &TMDIChild::Fasor1Click);
    Gain1 = item("Gain", &TMDIChild::Gain1Click);
    Loss1 = item("Loss", &TMDIChild::Loss1Click);
    Phase1 = item("Phase", &TMDIChild::Phase1Click);
    Delay1 = item("Delay", &TMDIChild::Delay1Click);
    PoleZero1 = item("Pole/Zero", &TMDIChild::PoleZero1Click);
    ImpulseResp1 = item("Step Resp.", &TMDIChild::ImpulseResp1Click);
    StepResp1 = item("Impulse Resp.", &TMDIChild::StepResp1Click);
    ListofValues1 = item("List of Values", &TMDIChild::ListofClick);
    Approximation1 = item("Approximation", &TMDIChild::Approximation1Click);
}

void TMDIChild::ConnectPanel()
{
    connect(Panel1->ValTx, &QPushButton::clicked, this, Guarded(this, &TMDIChild::ValTxClick));
    connect(Panel1->Button2, &QPushButton::clicked, this, Guarded(this, &TMDIChild::Button2Click));
    connect(Panel1->Linear, &QCheckBox::clicked, this, Guarded(this, &TMDIChild::LinearClick));
    connect(Panel1->Exit, &QToolButton::clicked, this, Guarded(this, &TMDIChild::ExitClick));
    connect(Panel1->SpeedButton1, &QToolButton::clicked, this, Guarded(this, &TMDIChild::SpeedButton1Click));
    connect(PaintBox1, &CanvasView::Painting, this, Guarded(this, &TMDIChild::PaintBox1Paint));
    connect(PaintBox1, &CanvasView::MouseDown, this, Guarded(this, &TMDIChild::PaintBox1MouseDown));
    connect(PaintBox1, &CanvasView::MouseMove, this, Guarded(this, &TMDIChild::PaintBox1MouseMove));
    connect(PaintBox1, &CanvasView::MouseUp, this, Guarded(this, &TMDIChild::PaintBox1MouseUp));
    if (FormCur)
        connect(FormCur, &TFormCur::Hidden, this, [this] {
            core_.CursorHidden(PaintBox1->Canvas());
            PaintBox1->update();
        });
}

QList<QAction*> TMDIChild::ChildMenus() { return menu_; }

bool TMDIChild::Run(const std::function<void()>& call)
{
    if (Busy())
        return false;
    BusyScope busy(*this);
    Panel1->Read(core_.controls);
    call();
    ShowControls();
    return true;
}

void TMDIChild::ShowControls()
{
    const ResultControls& c = core_.controls;
    setWindowTitle(DisplayText(c.caption));
    Panel1->Show(c);
    if (c.memoVersion != memoShown_) {
        QStringList lines;
        qsizetype size = 0;
        for (const std::string& line : c.memoLines) {
            lines << Latin1(line);
            size += lines.back().size();
        }
        // A large text takes the memo a while to lay out.
        if (size > kLargeText)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        Memo1->setPlainText(lines.join('\n'));
        if (size > kLargeText)
            QApplication::restoreOverrideCursor();
        memoShown_ = c.memoVersion;
    }
    Panel4->setCurrentWidget(c.memoVisible ? static_cast<QWidget*>(Memo1) : PaintBox1);
}

void TMDIChild::OpenFdt(const std::string& path)
{
    if (Busy()) {
        WhenIdle([this, path] { OpenFdt(path); });
        return;
    }
    opened_ = true;
    IntervalTexts remembered = MainFrame ? MainFrame->Remembered() : IntervalTexts{};
    Run([&] { core_.OpenFdt(path, remembered); });
    if (list_)
        list_->Follow();
}

void TMDIChild::SavedAs(const std::string& fdtPath)
{
    core_.Renamed(fdtPath);
    ShowControls();
    if (list_)
        list_->Follow();
}

void TMDIChild::FormDati()
{
    Run([this] { core_.FormDati(); });
}

void TMDIChild::UpdateCaption()
{
    if (Busy())
        return;
    core_.UpdateCaption();
    ShowControls();
}

void TMDIChild::ShowView(int kind)
{
    Run([&] { core_.ShowView(kind); });
}

void TMDIChild::ValTxClick()
{
    Run([this] { core_.ValTxClick(); });
}

void TMDIChild::LinearClick()
{
    if (Busy())
        return;
    Panel1->Read(core_.controls);
    core_.LinearClick();
}

void TMDIChild::Button2Click()
{
    if (Busy() || !ParamDlg || !core_.CanSweep())
        return;
    BusyScope busy(*this);
    Panel1->Read(core_.controls);
    ParamDlg->Fill(core_.ParameterDialog());
    bool ok = ParamDlg->ShowModal();
    core_.ParameterDone(ok, ParamDlg->State());
    ShowControls();
}

void TMDIChild::Approximation1Click()
{
    if (Busy() || !ApproxForm || !core_.Model().loaded)
        return;
    std::string path;
    {
        BusyScope busy(*this);
        if (!ApproxForm->ShowModal())
            return;
        path = core_.Approximation(ApproxForm->Choice());
    }
    if (!path.empty() && MainFrame)
        MainFrame->OpenFile(path);
}

void TMDIChild::ListofClick()
{
    if (!list_) {
        list_ = new TFormLista(*this);
        if (MainFrame)
            MainFrame->AddChild(list_);
        return;
    }
    if (auto* sub = qobject_cast<QMdiSubWindow*>(list_->parentWidget())) {
        if (sub->isMinimized())
            sub->showNormal();
        if (sub->mdiArea())
            sub->mdiArea()->setActiveSubWindow(sub);
    } else {
        list_->show();
        list_->raise();
    }
}

bool TMDIChild::RunListCommand(const std::function<void(FDT&)>& command)
{
    if (Busy())
        return false;
    BusyScope busy(*this);
    return core_.RunCommand([&] { command(core_.Model()); });
}

void TMDIChild::ValueListClosed() { list_ = nullptr; }

TFormLista* TMDIChild::ValueList() const { return list_; }

void TMDIChild::SpeedButton1Click() { ShowHelp(kResultHelp); }

void TMDIChild::FormClose()
{
    Panel1->Read(core_.controls);
    if (MainFrame)
        MainFrame->Remember(core_.FormClose());
    if (list_)
        list_->CloseWindow();
}

void TMDIChild::PaintBox1Paint(TCanvas& canvas) { core_.Paint(canvas, PaintBox1->width(), PaintBox1->height()); }

void TMDIChild::PaintBox1MouseDown(const CanvasMouse& mouse)
{
    if (mouse.button == Qt::LeftButton && !Busy())
        core_.MouseDown(mouse.x, mouse.y);
}

void TMDIChild::PaintBox1MouseMove(const CanvasMouse& mouse)
{
    if (Busy())
        return;
    bool cursorShown = FormCur && FormCur->isVisible();
    PlotMouse::Moved moved =
        core_.MouseMove(PaintBox1->Canvas(), mouse.x, mouse.y, MainFrame && MainFrame->ZoomDown(), cursorShown);
    switch (moved.cursor) {
    case MouseCursor::Cross: PaintBox1->setCursor(Qt::CrossCursor); break;
    case MouseCursor::UpArrow: PaintBox1->setCursor(Qt::UpArrowCursor); break;
    case MouseCursor::Default: PaintBox1->unsetCursor(); break;
    }
    if (moved.readoutsChanged && FormCur)
        FormCur->ShowReadouts(core_.Readouts());
}

void TMDIChild::PaintBox1MouseUp(const CanvasMouse& mouse)
{
    if (mouse.button == Qt::LeftButton)
        Run([&] { core_.MouseUp(mouse.x, mouse.y); });
}

// Boxes come in the middle of a call of the core: the window shows its
// state first.
void TMDIChild::ShowMessage(const std::string& text)
{
    ShowControls();
    ::ShowMessage(text);
}

void TMDIChild::ShowError(const std::string& text)
{
    ShowControls();
    MessageBox(text, "Error", MsgIcon::Error);
}

bool TMDIChild::AskWarning(const std::string& caption, const std::string& text)
{
    ShowControls();
    return MessageBox(text, caption, MsgIcon::Warning, MsgButtons::YesNo) == MsgResult::Yes;
}

void TMDIChild::RepaintPlot()
{
    Panel4->setCurrentWidget(core_.controls.memoVisible ? static_cast<QWidget*>(Memo1) : PaintBox1);
    PaintBox1->Repaint();
}

void TMDIChild::ReleaseZoomButton()
{
    if (MainFrame)
        MainFrame->SetZoomDown(false);
}
