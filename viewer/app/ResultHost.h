#pragma once
// What the result-side windows need of the frame that holds them. The main
// window implements it and ResultFrame points to it while it exists:
// - the remembered frequency interval, end time and unit: a result window
//   takes them when it opens and gives its own back when it closes;
// - the down state of the zoom button, and of the cursor button, which the
//   cursor window sets when it is shown and hidden;
// - opening a file as the main window's Open does (a new result window for a
//   ".fdt" file, for the approximation's result);
// - adding a child window to the MDI area (a value list).
// Help at a context is the platform's ShowHelp (platform/Help.h).
#include <string>

class MdiChild;
class QMdiSubWindow;

struct ResultSettings {
    std::string Freqin = "0.01";
    std::string Frefin = "100.0";
    std::string EndTime = "1.0";
    bool Hz = true;

    bool operator==(const ResultSettings&) const = default;
};

class ResultHost {
public:
    virtual ~ResultHost() = default;

    virtual ResultSettings Remembered() const = 0;
    virtual void Remember(const ResultSettings& settings) = 0;
    virtual bool ZoomDown() const = 0;
    virtual bool CursorDown() const = 0;
    virtual void SetCursorDown(bool down) = 0;
    virtual void OpenFile(const std::string& path) = 0;
    virtual QMdiSubWindow* AddChild(MdiChild* child) = 0;
};

extern ResultHost* ResultFrame;
