#pragma once
// A dialog service for tests: records every box and file request, answers
// boxes with a set answer and file dialogs from a list (empty: cancelled).
// Installed for its lifetime.
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
        return buttons == MsgButtons::Ok ? MsgResult::Ok : answer;
    }
    bool OpenFileName(const FileRequest& request, std::string& path) override { return Answer(request, path); }
    bool SaveFileName(const FileRequest& request, std::string& path) override { return Answer(request, path); }

    MsgResult answer = MsgResult::Yes;
    std::deque<std::string> files;
    std::vector<Box> shown;
    std::vector<FileRequest> requests;

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
