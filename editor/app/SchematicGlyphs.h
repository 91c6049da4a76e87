#pragma once
// The pictures of a schematic window's buttons: each part button shows the
// part's own symbol as the editor draws it; the tools have drawn glyphs.
#include <QIcon>

enum class Tool { Pointer, Grid, Cut, Paste, Text, Wire, CheckNodes, Approximate, Analyse, SaveSubcircuit };

// The symbol of a part kind ('R', 'g', 'v', ...), scaled into an icon; a
// palette icon also shows a letter in its corner, which tells alike symbols
// apart.
QIcon PartIcon(char kind, const QString& letter = QString());
QIcon ToolIcon(Tool tool);
