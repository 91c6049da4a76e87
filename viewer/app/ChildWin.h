#pragma once
// The result window of one network function, in a first form: its caption
// is the file name, its text the degrees and term counts of the network
// function (read through the viewer core) and the interval it took from the
// frame. The full window with its views, settings and plots replaces it,
// keeping what ResultChild asks.
#include <memory>
#include <string>

#include "viewer/app/FrameServices.h"
#include "viewer/app/ResultChild.h"

class QPlainTextEdit;

class TMDIChild : public ResultChild {
    Q_OBJECT
public:
    explicit TMDIChild(QWidget* parent = nullptr);
    ~TMDIChild() override;

    void OpenFdt(const std::string& path) override;
    std::string CaptionBase() const override { return captionBase_; }
    FDT* Model() override { return model_.get(); }
    void SavedAs(const std::string& fdtPath) override;
    void CopyToClipboard() override;
    void PrintView(QPrinter& printer) override;

    // The interval, end time and unit the window shows.
    const IntervalTexts& Interval() const { return interval_; }

    QPlainTextEdit* Memo1;

protected:
    // Gives the window's interval back to the frame.
    void FormClose() override;

private:
    void ShowModel();

    std::string captionBase_;
    std::unique_ptr<FDT> model_;
    IntervalTexts interval_;
};
