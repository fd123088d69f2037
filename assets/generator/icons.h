#pragma once

#include "iconimage.h"

namespace assetgen {

// The bead of the lower deck: a light-cyan oval with a checkered dark-cyan left flank.
IconImage lowerBeadIcon();
// The bead of the upper deck: magenta on dark magenta, with the lower bead's outline except
// for one row of its upper-left shoulder, which reaches one pixel further out.
IconImage upperBeadIcon();
// The window icon: a small counting frame inside a blue border.
IconImage windowIcon();

} // namespace assetgen
