#include "engine/app/VimloHost.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

#include "platform/Dialogs.h"

namespace {
constexpr qint64 kEventSliceMs = 25;
}

VimloHost::VimloHost()
{
    sinceEvents_.start();
}

void VimloHost::ShowMessage(const std::string& text)
{
    ::ShowMessage(text);
}

bool VimloHost::AskYesNo(const std::string& text)
{
    return MessageDlg(text, MsgIcon::Warning, MsgButtons::YesNo) == MsgResult::Yes;
}

void VimloHost::ProcessMessages()
{
    if (sinceEvents_.elapsed() < kEventSliceMs)
        return;
    QCoreApplication::processEvents();
    sinceEvents_.restart();
}

void VimloHost::Waiting(const std::string& text)
{
    givenUp_ = false;
    if (log_)
        log_(text);
}

void VimloHost::Fatal(const std::string& text)
{
    MessageBox(text, "Error", MsgIcon::Error);
    if (!fatalEndsProgram_)
        throw RunEnded{};
    std::fflush(nullptr);
    std::_Exit(EXIT_FAILURE);
}
