#pragma once
// Vimlo's editor window: a circuit file as text, saved and run from its menu.
#include <QMainWindow>
#include <string>

#include "platform/Dialogs.h"

class QAction;
class QPlainTextEdit;
class TFormVimlo;

class TForm3 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm3(TFormVimlo& vimlo, QWidget* parent = nullptr);

    // Loads the file, makes it the current file and shows the window.
    void Load(const std::string& path);
    const std::string& CurrentFile() const { return currentFile_; }

    void Save1Click();
    void SaveAs1Click();
    void Run1Click();
    void Exit1Click();

    QPlainTextEdit* Memo1;
    QAction* Save1;
    QAction* SaveAs1;
    QAction* Run1;
    QAction* Exit1;
    FileRequest SaveD;

private:
    bool SaveTo(const std::string& path);
    void SetCurrentFile(const std::string& path);

    TFormVimlo& vimlo_;
    std::string currentFile_;
};
