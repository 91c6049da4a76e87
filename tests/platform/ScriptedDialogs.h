#pragma once
// A dialog service for tests: records every box and file request, answers
// boxes from a list of answers and then with a set answer, file dialogs from
// a list (empty: cancelled), and print dialogs by printing into a PDF file
// (none named: cancelled). Installed for its lifetime.
#include <QPrinter>
#include <deque>
#include <string>
#include <vector>

#include "platform/Dialogs.h"

class ScriptedDialogs : public DialogService {
public:
    struct Box {
        std::string text, caption;
        MsgIcon icon;
        MsgButtons buttons;
    };

    ScriptedDialogs() { SetDialogs(this); }
    ~ScriptedDialogs() override { SetDialogs(nullptr); }
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    MsgResult Message(const std::string& text, const std::string& caption, MsgIcon icon,
                      MsgButtons buttons) override
    {
        shown.push_back({text, caption, icon, buttons});
        if (buttons == MsgButtons::Ok)
            return MsgResult::Ok;
        if (answers.empty())
            return answer;
        MsgResult next = answers.front();
        answers.pop_front();
        return next;
    }
    bool OpenFileName(const FileRequest& request, std::string& path) override { return Answer(request, path); }
    bool SaveFileName(const FileRequest& request, std::string& path) override { return Answer(request, path); }
    bool ChoosePrinter(QPrinter& printer) override
    {
        ++printDialogs;
        if (printTo.empty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(printTo));
        return true;
    }

    std::deque<MsgResult> answers;
    MsgResult answer = MsgResult::Yes;
    std::deque<std::string> files;
    std::vector<Box> shown;
    std::vector<FileRequest> requests;
    std::string printTo;
    int printDialogs = 0;

private:
    bool Answer(const FileRequest& request, std::string& path)
    {
        requests.push_back(request);
        if (files.empty())
            return false;
        path = files.front();
        files.pop_front();
        return true;
    }
};
