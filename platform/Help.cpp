#include "platform/Help.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/Dialogs.h"

namespace {

std::string helpFolder;
QPointer<QWidget> helpOwner;
QPointer<QWidget> helpWindow;

std::string PageOf(int context)
{
    return helpFolder + (context == kHelpContents ? std::string("index") : std::to_string(context)) + ".html";
}

// The window with its browser, and the Contents and Back commands.
QWidget* NewHelpWindow()
{
    auto* window = new QWidget(helpOwner, Qt::Window);
    window->setObjectName("HelpWindow");
    window->setWindowTitle(QCoreApplication::applicationName() + " Help");
    window->resize(680, 560);
    auto* browser = new QTextBrowser(window);
    auto* bar = new QToolBar(window);
    bar->addAction("Contents", browser, [browser] {
        browser->setSource(QUrl::fromLocalFile(QFile::decodeName(PageOf(kHelpContents).c_str())));
    });
    QAction* back = bar->addAction("Back", browser, &QTextBrowser::backward);
    back->setEnabled(false);
    QObject::connect(browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(browser);
    if (helpOwner)
        window->move(helpOwner->geometry().center() - window->rect().center());
    return window;
}

}  // namespace

void SetHelpFile(const std::string& folder, QWidget* owner)
{
    helpFolder = folder;
    helpOwner = owner;
}

void ShowHelp(int context)
{
    std::string page = PageOf(context);
    if (!QFile::exists(QFile::decodeName(page.c_str()))) {
        MessageBox("The help page " + page + " is missing!", "Error", MsgIcon::Error);
        return;
    }
    if (!helpWindow)
        helpWindow = NewHelpWindow();
    auto* browser = helpWindow->findChild<QTextBrowser*>();
    browser->setSource(QUrl::fromLocalFile(QFile::decodeName(page.c_str())));
    helpWindow->show();
    helpWindow->raise();
    helpWindow->activateWindow();
}
