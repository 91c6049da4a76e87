#pragma once
// The pictures of the main window's speed buttons, drawn here.
#include <QIcon>

enum class Glyph { New, Open, Save, SaveAs, Print, Copy, Cursor, Zoom, Help, Exit };

QIcon GlyphIcon(Glyph glyph);
