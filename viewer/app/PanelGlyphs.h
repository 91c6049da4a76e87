#pragma once
// The pictures of the help and exit buttons of the result-side windows.
#include <QIcon>

QIcon HelpGlyph();
QIcon ExitGlyph();
