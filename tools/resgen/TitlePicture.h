#pragma once

// The title picture of the about box and start screen: two stone bowls on a
// dark wooden table with the program's name and edition.

#include <QImage>

namespace resgen {

class TitlePicture {
public:
    static constexpr int kWidth = 528;
    static constexpr int kHeight = 263;

    static QImage render();
};

} // namespace resgen
