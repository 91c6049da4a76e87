#include "platform/Application.h"

#include <clocale>
#include <exception>

#include "platform/Dialogs.h"

Application::Application(char* programName, const char* title)
    : ProgramArguments(programName), QApplication(argc, argv)
{
    setApplicationName(title);
    std::setlocale(LC_NUMERIC, "C");
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowException(error.what());
    } catch (...) {
        ShowException("Unknown error");
    }
    return false;
}

void ShowException(const char* what)
{
    MessageBox(what, QCoreApplication::applicationName().toStdString(), MsgIcon::Error);
}
