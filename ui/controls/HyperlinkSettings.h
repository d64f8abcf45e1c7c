#pragma once

#include <QColor>
#include <QCursor>

#include <functional>
#include <string>

class QWidget;

namespace joseki {

// What a link looks like and does, filled by its creator and read once by
// HyperlinkLabel::create. Texts are GBK; an empty fontFace or url means none.
struct HyperlinkSettings {
    QWidget* parent = nullptr; // must exist
    int controlId = 0;         // kept on the window as property "controlId"
    int x = 0;                 // place in the parent, pixels
    int y = 0;
    int width = 0; // both above 0
    int height = 0;
    std::string fontFace; // must be present
    int fontHeight = 0;   // cell height (ascent + descent), pixels
    bool bold = false;    // weight 700, else 400
    bool underline = false;
    QColor normalColour;        // text while the pointer is outside
    QColor hoverColour;         // text while the pointer is inside
    QColor backgroundColour;    // fill, only with hasBackground
    bool hasBackground = false; // else the parent shows through around the text
    bool useOwnCursor = false;  // show `cursor` over the link
    QCursor cursor;
    std::function<void(int)> onClick; // run on a left press instead of opening url
    std::string text;
    std::string url; // opened on a left press when there is no onClick
};

} // namespace joseki
