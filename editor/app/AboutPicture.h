#pragma once
// The about box's picture: the program's name over a small circuit.
#include <QImage>

inline constexpr int kAboutWidth = 500;
inline constexpr int kAboutHeight = 171;

QImage AboutPicture();
