#pragma once
// The "Symbol" font's own code page: its letters are Greek.
#include <QString>
#include <string>

// The bytes as the Symbol font shows them.
QString SymbolFontText(const std::string& bytes);
