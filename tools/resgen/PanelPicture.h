#pragma once

// The small picture under the information links in the side panel: the
// lower-left corner of a board with an opening shape played in it.

#include <QImage>

namespace resgen {

class PanelPicture {
public:
    static constexpr int kWidth = 120;
    static constexpr int kHeight = 71;

    static QImage render();
};

} // namespace resgen
