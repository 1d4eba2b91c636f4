#pragma once

#include <QIcon>
#include <QPixmap>

namespace tovalin {

// The window icon, drawn at the usual icon sizes.
QIcon WindowIcon();

// The heart picture at a size in logical pixels, sharp at the given
// device pixel ratio.
QPixmap HeartPixmap(int logicalSize, qreal devicePixelRatio);

}  // namespace tovalin
