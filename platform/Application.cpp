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
    bool handled = false;
    RunGuarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

void ShowException(const char* what)
{
    MessageBox(what, QCoreApplication::applicationName().toStdString(), MsgIcon::Error);
}

void RunGuarded(const std::function<void()>& command)
{
    try {
        command();
    } catch (const std::exception& error) {
        ShowException(error.what());
    } catch (...) {
        ShowException("Unknown error");
    }
}
