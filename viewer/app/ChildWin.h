#pragma once
// TMDIChild, the result window of one network function: the plot area
// (PaintBox1) or the memo (Memo1) on the left, the settings panel (Panel1)
// on the right, and its views in the menu bar while it is the current
// child. The viewer core (ResultWindow) decides; this window turns events
// into its calls, shows its controls and paints.
//
// A computation of the core lets the event loop run. Meanwhile the window
// holds a BusyScope: its commands are refused, closing it and a reload wait
// until it is idle, and the paint box shows what it last drew. The same
// holds while one of its modal dialogs is open.
#include <QPointer>
#include <functional>
#include <string>
#include <vector>

#include "platform/CanvasView.h"
#include "viewer/app/FormWait.h"
#include "viewer/app/FrameServices.h"
#include "viewer/app/ResultChild.h"
#include "viewer/app/ResultPanel.h"
#include "viewer/window/ResultWindow.h"

class QAction;
class QPlainTextEdit;
class QStackedWidget;
class TFormLista;

class TMDIChild : public ResultChild, private ResultHost {
    Q_OBJECT
public:
    explicit TMDIChild(QWidget* parent = nullptr);
    ~TMDIChild() override;

    // ResultChild.
    void OpenFdt(const std::string& path) override;
    std::string CaptionBase() const override { return core_.CaptionBase(); }
    FDT* Model() override { return opened_ ? &core_.Model() : nullptr; }
    void SavedAs(const std::string& fdtPath) override;
    void CopyToClipboard() override;
    void PrintView(QPrinter& printer) override;
    QList<QAction*> ChildMenus() override;

    void FormDati();
    void UpdateCaption();

    // The menu's views; ImpulseResp1 ("Step Resp.") shows the step
    // response and StepResp1 ("Impulse Resp.") the impulse response.
    void FdT1Click() { ShowView(View::Symbolic); }
    void Numeric1Click() { ShowView(View::Numeric); }
    void Fasor1Click() { ShowView(View::Phasor); }
    void Gain1Click() { ShowView(View::Gain); }
    void Loss1Click() { ShowView(View::Loss); }
    void Phase1Click() { ShowView(View::Phase); }
    void Delay1Click() { ShowView(View::Delay); }
    void PoleZero1Click() { ShowView(View::PoleZero); }
    void ImpulseResp1Click() { ShowView(View::Step); }
    void StepResp1Click() { ShowView(View::Impulse); }
    void ListofClick();
    void Approximation1Click();

    void ValTxClick();
    void Button2Click();
    void LinearClick();
    void ExitClick() { CloseWindow(); }
    void SpeedButton1Click();

    void PaintBox1Paint(TCanvas& canvas);
    void PaintBox1MouseDown(const CanvasMouse& mouse);
    void PaintBox1MouseMove(const CanvasMouse& mouse);
    void PaintBox1MouseUp(const CanvasMouse& mouse);

    // A command of this window's value list on the network function, run
    // while the window is idle; false when refused.
    bool RunListCommand(const std::function<void(FDT&)>& command);
    // The value list closed.
    void ValueListClosed();
    TFormLista* ValueList() const;

    // The core's view of the panel, the memo and the caption.
    const ResultControls& Controls() const { return core_.controls; }
    WaitProgress& Wait() { return wait_; }

    ResultPanel* Panel1;
    QStackedWidget* Panel4;
    CanvasView* PaintBox1;
    QPlainTextEdit* Memo1;

    QAction* FdT1;
    QAction* Numeric2;
    QAction* Phasor1;
    QAction* Gain1;
    QAction* Loss1;
    QAction* Phase1;
    QAction* Delay1;
    QAction* PoleZero1;
    QAction* ImpulseResp1;
    QAction* StepResp1;
    QAction* ListofValues1;
    QAction* Approximation1;

protected:
    // Gives the interval back to the frame and closes the value list.
    void FormClose() override;

private:
    void BuildMenu();
    void ConnectPanel();
    void ShowView(int kind);
    // Runs a call of the core unless the window is busy: the panel is read
    // before and the controls shown after; false when refused.
    bool Run(const std::function<void()>& call);
    void ShowControls();
    void PrintPlot(QPrinter& printer, QPainter& painter);
    // The font of the plot area, on the screen and on paper.
    static TFont PlotFont();

    // ResultHost.
    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;
    bool AskWarning(const std::string& caption, const std::string& text) override;
    void RepaintPlot() override;
    void ReleaseZoomButton() override;

    WaitProgress wait_;
    ResultWindow core_;
    bool opened_ = false;
    int memoShown_ = 0;  // the memo version that Memo1 shows
    QList<QAction*> menu_;
    QPointer<TFormLista> list_;
};
