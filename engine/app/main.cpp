// Vimlo: analyses the circuit file named on the command line, or the ones
// chosen from its menu.
#include <cstdlib>
#include <exception>
#include <string>

#include "engine/app/Form3.h"
#include "engine/app/FormVimlo.h"
#include "platform/Application.h"
#include "platform/CommandLine.h"

int main(int argc, char** argv)
{
    static char programName[] = "Vimlo";
    std::string commandLinePath = CommandLineTail(argc, argv);
    Application app(argc > 0 ? argv[0] : programName, "Vimlo");
    try {
        TFormVimlo formVimlo(commandLinePath);
        TForm3 form3(formVimlo);
        formVimlo.SetEditor(&form3);
        formVimlo.show();
        return app.exec();
    } catch (const std::exception& error) {
        ShowException(error.what());
    }
    return EXIT_FAILURE;
}
