#include "editor/elements/VisibleName.h"

std::string VisibleName(const std::string& name)
{
    std::string shown;
    for (char ch : name) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (ch == '\t')
            shown += "\\t";
        else if (ch == '\r')
            shown += "\\r";
        else if (ch == '\n')
            shown += "\\n";
        else if (c < 0x20 || c == 0x7F)
            shown += {'^', static_cast<char>(c ^ 0x40)};
        else
            shown += ch;
    }
    return shown;
}
