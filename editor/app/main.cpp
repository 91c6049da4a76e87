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
        // The other forms that live for the whole run are created here, in
        // this order, as their windows are built: TParamDlg, TFormCur (then
        // mainForm.FormCur), TFormEdit, TFormApprox, TFormBjth, TFormBjtG,
        // TFormMos, TFormTransistor, TApproxForm.
        TFormEdit formEdit(&mainForm);
        TFormApprox formApprox(&mainForm);
        TFormBjth formBjth(&mainForm);
        TFormBjtG formBjtG(&mainForm);
        TFormMos formMos(&mainForm);
        TFormTransistor formTransistor(&mainForm);
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
