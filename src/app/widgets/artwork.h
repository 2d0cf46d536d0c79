#pragma once

#include "core/model/playstate.h"

#include <QPixmap>

// The pictures the program draws for itself.
QPixmap toolImage(PlayerKind kind);  // 32 x 32, black on white
QPixmap footballImage();             // 29 x 29
QPixmap titleArt();                  // titleArtSize, splash and About
inline const QSize titleArtSize(432, 216);
