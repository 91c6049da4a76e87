#include "editor/app/SpiceWindowOpening.h"

#include "editor/app/MainForm.h"
#include "platform/Latin1.h"

#include <QStatusBar>

void OpenSpiceWindow(const std::string& netlist, QWidget*)
{
    if (MainForm)
        MainForm->StatusBar->showMessage(Latin1("SPICE netlist written: " + netlist));
}
