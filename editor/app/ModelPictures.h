#pragma once
// The small-signal model of a transistor kind ('Q' h-parameters, 'q' hybrid
// pi, 'M' MOSFET), drawn for the upper panel of its option dialog.
#include <QPixmap>

QPixmap ModelPicture(char kind);
