// Tervox: the schematic editor and results viewer.
#include <cstdlib>
#include <exception>

#include "editor/app/AboutBox.h"
#include "editor/app/ElementDialogWindows.h"
#include "editor/app/FormApprox.h"
#include "editor/app/FormEdit.h"
#include "editor/app/FormSch.h"
#include "editor/app/FormTransistor.h"
#include "editor/app/MainForm.h"
#include "editor/app/ModelOptionDialogs.h"
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
        // The other forms that live for the whole run, in this order.
        TParamDlg paramDlg(&mainForm);
        TFormCur formCur(&mainForm);
        mainForm.FormCur = &formCur;
        TFormEdit formEdit(&mainForm);
        TFormApprox formApprox(&mainForm);
        TFormBjth formBjth(&mainForm);
        TFormBjtG formBjtG(&mainForm);
        TFormMos formMos(&mainForm);
        TFormTransistor formTransistor(&mainForm);
        TApproxForm approxForm(&mainForm);
        ElementDialogWindows elementDialogs(formEdit, formTransistor, formBjth, formBjtG, formMos);
        SchematicForms schematicForms{elementDialogs, formApprox};
        mainForm.SetSchematicWindows([&](bool subcircuit, PartClipboard& clipboard) {
            return new TFormSch(subcircuit, clipboard, schematicForms, mainForm.ProgramFolder());
        });
        mainForm.show();
        aboutBox.raise();
        return app.exec();
    } catch (const std::exception& error) {
        ShowException(error.what());
    }
    return EXIT_FAILURE;
}
