#pragma once
// What the result-side windows need of the frame that holds them. The main
// window implements it and MainFrame points to it while it exists:
// - the remembered frequency interval, end time and unit: a result window
//   takes them when it opens and gives its own back when it closes;
// - the down state of the zoom button (a result window releases it after a
//   zoom), and of the cursor button, which the cursor window sets when it is
//   shown and hidden;
// - opening a file as the main window's Open does (a new result window for a
//   ".fdt" file, for the approximation's result);
// - adding a child window to the MDI area (a value list).
// Help at a context is the platform's ShowHelp (platform/Help.h).
#include <string>

#include "viewer/window/ResultWindow.h"

class MdiChild;
class QMdiSubWindow;

class FrameServices {
public:
    virtual ~FrameServices() = default;

    virtual IntervalTexts Remembered() const = 0;
    virtual void Remember(const IntervalTexts& interval) = 0;
    virtual bool ZoomDown() const = 0;
    virtual void SetZoomDown(bool down) = 0;
    virtual bool CursorDown() const = 0;
    virtual void SetCursorDown(bool down) = 0;
    virtual void OpenFile(const std::string& path) = 0;
    virtual QMdiSubWindow* AddChild(MdiChild* child) = 0;
};

extern FrameServices* MainFrame;
