#include "platform/Dialogs.h"

#include <QCoreApplication>

#include "platform/QtDialogs.h"

namespace {

DialogService* installed = nullptr;

std::string IconCaption(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information: return "Information";
    case MsgIcon::Warning: return "Warning";
    case MsgIcon::Error: return "Error";
    case MsgIcon::Confirmation: return "Confirm";
    case MsgIcon::None: break;
    }
    return QCoreApplication::applicationName().toStdString();
}

}  // namespace

DialogService& Dialogs()
{
    static QtDialogService standard;
    return installed ? *installed : standard;
}

void SetDialogs(DialogService* service)
{
    installed = service;
}

MsgResult DefaultAnswer(MsgButtons buttons)
{
    return buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::Yes;
}

void ShowMessage(const std::string& text)
{
    Dialogs().Message(text, IconCaption(MsgIcon::None), MsgIcon::None, MsgButtons::Ok);
}

MsgResult MessageDlg(const std::string& text, MsgIcon icon, MsgButtons buttons)
{
    return Dialogs().Message(text, IconCaption(icon), icon, buttons);
}

MsgResult MessageBox(const std::string& text, const std::string& caption, MsgIcon icon, MsgButtons buttons)
{
    return Dialogs().Message(text, caption, icon, buttons);
}
