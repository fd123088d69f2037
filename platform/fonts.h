#pragma once

#include <QFont>

namespace platform {

// A font as a window design names it: family, size in points at 96 dots per inch, weight and
// slant. Where the named family is missing, its metric twin stands in (Liberation Sans for
// Arial and MS Sans Serif, Liberation Serif for Times New Roman), so texts keep their widths.
QFont designFont(const char *family, double points, bool bold, bool italic = false);

} // namespace platform
