#pragma once
// The application object: Qt sees only the program's name (the arguments
// belong to the program), numbers use '.', and an exception that reaches
// the event loop is shown in a box and the program goes on.
#include <QApplication>
#include <functional>

namespace platform_detail {
struct ProgramArguments {
    explicit ProgramArguments(char* programName) : argv{programName, nullptr} {}
    int argc = 1;
    char* argv[2];
};
}  // namespace platform_detail

class Application : private platform_detail::ProgramArguments, public QApplication {
public:
    Application(char* programName, const char* title);

    bool notify(QObject* receiver, QEvent* event) override;
};

// Shows an exception's text as the application object would.
void ShowException(const char* what);

// Runs a command; an exception it throws is shown and goes no further.
void RunGuarded(const std::function<void()>& command);

// A command for a signal that never lets an exception cross Qt's own code
// (Qt is not exception safe, so catching only in notify leaks).
template <class Object, class... Args>
auto Guarded(Object* object, void (Object::*command)(Args...))
{
    return [object, command](Args... args) { RunGuarded([&] { (object->*command)(args...); }); };
}
