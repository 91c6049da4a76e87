// Tervox: the schematic editor and results viewer.
#include <cstdlib>
#include <exception>

#include "editor/app/AboutBox.h"
#include "editor/app/MainForm.h"
#include "editor/app/SpeedGlyphs.h"
#include "platform/Application.h"
#include "platform/ProgramFolder.h"
#include "viewer/app/ApproxForm.h"
#include "viewer/app/FormCur.h"
#include "viewer/app/ParamDlg.h"

int main(int argc, char** argv)
{
    static char programName[] = "Tervox";
    Application app(argc > 0 ? argv[0] : programName, "Tervox");
    app.setQuitOnLastWindowClosed(false);
    app.setWindowIcon(ProgramIcon());
    try {
        TMainForm mainForm(ProgramFolder());
        QObject::connect(&mainForm, &TMainForm::Closed, &app, &QCoreApplication::quit);
        TAboutBox aboutBox(&mainForm);
        // The other forms that live for the whole run, in this order:
        // TParamDlg, TFormCur (then mainForm.FormCur), TFormEdit, TFormApprox,
        // TFormBjth, TFormBjtG, TFormMos, TFormTransistor, TApproxForm; those
        // not built yet are missing. Schematic windows come with
        // mainForm.SetSchematicWindows.
        TParamDlg paramDlg(&mainForm);
        TFormCur formCur(&mainForm);
        mainForm.FormCur = &formCur;
        TApproxForm approxForm(&mainForm);
        mainForm.show();
        aboutBox.raise();
        return app.exec();
    } catch (const std::exception& error) {
        ShowException(error.what());
    }
    return EXIT_FAILURE;
}
