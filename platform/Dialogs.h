#pragma once
// Every message box and file dialog goes through one service, which tests
// replace with scripted answers. Texts are 8-bit bytes.
#include <string>

class QPrinter;

enum class MsgIcon { None, Information, Warning, Error, Confirmation };
enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgResult { Ok, Yes, No, Cancel };

struct FileRequest {
    std::string title;
    std::string initialDir;
    std::string filter;  // "Name|pattern|Name|pattern"
    std::string defaultExt;  // without the '.'
    std::string fileName;
    int filterIndex = 1;  // the filter shown first, counted from 1
};

class DialogService {
public:
    virtual ~DialogService() = default;
    virtual MsgResult Message(const std::string& text, const std::string& caption, MsgIcon icon,
                              MsgButtons buttons) = 0;
    // True, with the chosen path, when the user confirms.
    virtual bool OpenFileName(const FileRequest& request, std::string& path) = 0;
    virtual bool SaveFileName(const FileRequest& request, std::string& path) = 0;
    // The print dialog: true, with the printer set up, when the user confirms.
    virtual bool ChoosePrinter(QPrinter& printer) = 0;
};

DialogService& Dialogs();
// Installs a replacement; nullptr restores the standard service.
void SetDialogs(DialogService* service);

// The first button of a box, taken when nobody can answer it.
MsgResult DefaultAnswer(MsgButtons buttons);

// An OK box captioned with the application's title.
void ShowMessage(const std::string& text);
// A box captioned after its icon ("Warning", "Error", "Information", "Confirm").
MsgResult MessageDlg(const std::string& text, MsgIcon icon, MsgButtons buttons);
MsgResult MessageBox(const std::string& text, const std::string& caption, MsgIcon icon,
                     MsgButtons buttons = MsgButtons::Ok);
