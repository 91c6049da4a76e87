#include "platform/SymbolFont.h"

namespace {

// Greek letters for the bytes 'A'..'Z' and 'a'..'z'.
const char16_t Upper[] = u"\u0391\u0392\u03A7\u0394\u0395\u03A6\u0393\u0397\u0399\u03D1\u039A\u039B\u039C"
                         u"\u039D\u039F\u03A0\u0398\u03A1\u03A3\u03A4\u03A5\u03C2\u03A9\u039E\u03A8\u0396";
const char16_t Lower[] = u"\u03B1\u03B2\u03C7\u03B4\u03B5\u03C6\u03B3\u03B7\u03B9\u03D5\u03BA\u03BB\u03BC"
                         u"\u03BD\u03BF\u03C0\u03B8\u03C1\u03C3\u03C4\u03C5\u03D6\u03C9\u03BE\u03C8\u03B6";

QChar SymbolChar(unsigned char byte)
{
    if (byte >= 'A' && byte <= 'Z')
        return QChar(Upper[byte - 'A']);
    if (byte >= 'a' && byte <= 'z')
        return QChar(Lower[byte - 'a']);
    switch (byte) {
    case 0xA5: return QChar(u'\u221E');  // infinity
    case 0xB0: return QChar(u'\u00B0');  // degree
    case 0xB1: return QChar(u'\u00B1');  // plus-minus
    case 0xB4: return QChar(u'\u00D7');  // times
    case 0xB6: return QChar(u'\u2202');  // partial
    case 0xD6: return QChar(u'\u221A');  // root
    default: return QChar(static_cast<char16_t>(byte));
    }
}

}  // namespace

QString SymbolFontText(const std::string& bytes)
{
    QString text;
    for (char byte : bytes)
        text += SymbolChar(static_cast<unsigned char>(byte));
    return text;
}
