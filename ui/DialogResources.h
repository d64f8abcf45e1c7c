#pragma once

#include <QCursor>
#include <QIcon>
#include <QString>

namespace joseki {

// The main window's images from the compiled-in resources, by resource number.
namespace DialogResources {

inline constexpr int kIcon = 128;
inline constexpr int kBoardCursor = 129;

// Path of a PNG resource, with an optional name suffix ("-16").
QString imagePath(int number, const char* suffix = "");
// Icon 128 with its small and large variants where present.
QIcon appIcon();
// Cursor 129 with the hot spot from its ".hotspot" file ("x y"); the
// pointing hand when the image is missing. Made once.
QCursor boardCursor();

} // namespace DialogResources

} // namespace joseki
