#pragma once
// The program's help: HTML pages in one folder, "index.html" the contents
// and "<context>.html" the page of a help context, shown in one help window
// that belongs to the owner window given with the folder.
#include <string>

class QWidget;

inline constexpr int kHelpContents = 0;

// The folder ends with '/'.
void SetHelpFile(const std::string& folder, QWidget* owner);
// Shows the page of the context in the help window; a missing page is
// reported in a message box.
void ShowHelp(int context);
