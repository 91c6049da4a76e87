#pragma once
// The text-entry panel of a schematic window: whether it shows and the text
// typed in it, which stays for the next text. The window mirrors both.
#include <string>

struct TextPanel {
    bool Visible = false;
    std::string Text;

    // The superscript and subscript buttons append their marker byte.
    void AppendSuperscript() { Text += '\xE7'; }
    void AppendSubscript() { Text += '\xA3'; }
};
