#pragma once
// Where a message's lines may break. A label wraps only at blanks, so a word
// wider than its line (a long path) would be cut; such a word is given a
// break chance between each two of its characters.
#include <QString>

class QFontMetricsF;

// The invisible mark of a break chance (zero width space).
inline constexpr char16_t kBreakChance = u'\u200B';

// The text with a break chance inside each word (a run without blanks) that
// is wider than the width, in pixels; other words unchanged.
QString BreakableText(const QString& text, const QFontMetricsF& metrics, int width);
