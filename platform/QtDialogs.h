#pragma once
// The standard dialog service: message windows (MessageWindow), Qt's file
// and print dialogs. Without a display a box writes its caption and text to
// standard error and takes its first button; a file or print dialog counts
// as cancelled.
#include "platform/Dialogs.h"

class QtDialogService : public DialogService {
public:
    MsgResult Message(const std::string& text, const std::string& caption, MsgIcon icon,
                      MsgButtons buttons) override;
    bool OpenFileName(const FileRequest& request, std::string& path) override;
    bool SaveFileName(const FileRequest& request, std::string& path) override;
    bool ChoosePrinter(QPrinter& printer) override;
};
