#pragma once
// Fixtures of the view tests: small network functions on disk, plots with
// chosen samples, and a window host that records what it is asked.
#include <string>
#include <vector>

#include "Support.h"
#include "viewer/window/ResultWindow.h"

// Writes base.fdt and base.par beside each other and returns the .fdt path.
std::string WriteFunction(const TempFolder& dir, const std::string& base, const std::string& names,
                          const std::string& values, const std::vector<FileTerm>& num,
                          const std::vector<FileTerm>& den, const std::vector<std::string>& more = {});

// 1 / (1 + s R C) with R = 1000 and C = 1e-6 (a pole at -1000 rad/s);
// further parameter-file lines as given. Returns the .fdt path.
std::string WriteLowPass(const TempFolder& dir, const std::vector<std::string>& more = {});
// The same with R swept over 1000, 2000 and 5000 (three curves), interval
// 10 Hz to 10 kHz, end time 0.01 s.
std::string WriteLowPassSweep(const TempFolder& dir);
// V1 / (1 + s R C): a source in the numerator.
std::string WriteSourceLowPass(const TempFolder& dir);

// A plot of the given kind on a frame of 700 x 480 with one curve (or
// several) whose samples all lie at value, the data range max..min, and
// the frequency axis xs..xe in Hz.
FDT PlotOf(int kind, double max, double min, double value, double xs = 1, double xe = 1000, int curves = 1);

class FakeHost : public ResultHost {
public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ShowError(const std::string& text) override { errors.push_back(text); }
    bool AskWarning(const std::string& caption, const std::string& text) override
    {
        questions.push_back(caption + "|" + text);
        return answer;
    }
    void RepaintPlot() override { ++repaints; }
    void ReleaseZoomButton() override { ++zoomReleases; }

    std::vector<std::string> messages, errors, questions;
    bool answer = true;
    int repaints = 0, zoomReleases = 0;
};

// The interval the main window hands to a new result window.
IntervalTexts Remembered(const std::string& start = "10", const std::string& end = "10000",
                         const std::string& endTime = "0.01", bool hz = true);
