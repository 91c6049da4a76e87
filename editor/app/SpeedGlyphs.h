#pragma once
// The pictures of the main window's speed buttons and of the program, drawn
// here.
#include <QIcon>

enum class Glyph { New, Open, Save, SaveAs, Print, Copy, Cursor, Zoom, Help, Exit };

QIcon GlyphIcon(Glyph glyph);
// An amplifier on blue: the icon of the windows of Tervox.
QIcon ProgramIcon();
