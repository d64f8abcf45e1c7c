#include "ui/controls/HyperlinkLabel.h"

#include "ui/FontWithCellHeight.h"
#include "ui/GbkText.h"
#include "ui/controls/UrlOpener.h"

#include <QEnterEvent>
#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

namespace joseki {

namespace {

constexpr int kBoldWeight = 700;
constexpr int kNormalWeight = 400;
constexpr const char* kControlIdProperty = "controlId";

} // namespace

// The child window of a label. It keeps no state of its own: every event is
// handed to the label object, which may be detached when it dies first.
class HyperlinkLabel::Window : public QWidget {
public:
    Window(HyperlinkLabel& label, QWidget* parent) : QWidget(parent), label_(&label)
    {
        // Moves arrive without a button held, so the label sees the pointer
        // cross its edge both ways.
        setMouseTracking(true);
    }

    void detach() { label_ = nullptr; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (label_ == nullptr)
            return;
        QPainter painter(this);
        label_->paint(painter, rect());
    }

    void enterEvent(QEnterEvent* event) override
    {
        track(true);
        QWidget::enterEvent(event);
    }

    void leaveEvent(QEvent* event) override
    {
        track(false);
        QWidget::leaveEvent(event);
    }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        // While a button is held the window keeps getting moves after the
        // pointer has left it; the position decides inside or outside.
        track(rect().contains(event->position().toPoint()));
        QWidget::mouseMoveEvent(event);
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() != Qt::LeftButton || label_ == nullptr) {
            QWidget::mousePressEvent(event);
            return;
        }
        // Taken here: the press and its release belong to the link, not to
        // the panel or the board beneath.
        event->accept();
        label_->click();
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && label_ != nullptr) {
            event->accept();
            track(rect().contains(event->position().toPoint()));
            return;
        }
        QWidget::mouseReleaseEvent(event);
    }

private:
    void track(bool inside)
    {
        if (label_ != nullptr)
            label_->trackPointer(inside);
    }

    HyperlinkLabel* label_;
};

HyperlinkLabel::~HyperlinkLabel()
{
    if (window_ != nullptr)
        static_cast<Window*>(window_.data())->detach();
}

bool HyperlinkLabel::create(const HyperlinkSettings& settings)
{
    if (settings.parent == nullptr || settings.width <= 0 || settings.height <= 0 || settings.fontFace.empty())
        return false;

    auto* window = new Window(*this, settings.parent);
    window->setProperty(kControlIdProperty, settings.controlId);
    window->setGeometry(settings.x, settings.y, settings.width, settings.height);
    window_ = window;

    font_ = fontWithCellHeight(gbkToQString(settings.fontFace), settings.fontHeight,
                               settings.bold ? kBoldWeight : kNormalWeight);
    font_.setUnderline(settings.underline);
    window->setFont(font_);

    hasBackground_ = settings.hasBackground;
    useOwnCursor_ = settings.useOwnCursor;
    if (useOwnCursor_) {
        cursor_ = settings.cursor;
        window->setCursor(cursor_);
    }
    normalColour_ = settings.normalColour;
    hoverColour_ = settings.hoverColour;
    backgroundColour_ = settings.backgroundColour;
    onClick_ = settings.onClick;
    url_ = settings.url;
    text_ = settings.text;
    displayText_ = gbkToQString(text_);
    hovering_ = false;
    pointerState_ = kPointerUnknown;

    window->show();
    return true;
}

void HyperlinkLabel::trackPointer(bool inside)
{
    const int state = inside ? kPointerInside : kPointerOutside;
    hovering_ = inside;
    // Only a change of side is drawn: moving about inside the link, or
    // outside it, leaves the window alone.
    const bool changed = pointerState_ != state;
    pointerState_ = state;
    if (changed && window_ != nullptr)
        window_->repaint();
}

void HyperlinkLabel::click() const
{
    if (onClick_) {
        onClick_(0);
        return;
    }
    if (url_.size() >= kMinimumUrlLength)
        UrlOpener::current().open(url_);
}

void HyperlinkLabel::paint(QPainter& painter, const QRect& clientRect) const
{
    if (hasBackground_) {
        painter.fillRect(clientRect, backgroundColour_);
        painter.setBackground(backgroundColour_);
    }
    painter.setBackgroundMode(Qt::TransparentMode);
    // Centred across; lines start at the top, as a multi-line static draws
    // them. Every line stands on the baseline of the label's own face and is
    // underlined at that face's underline, as the platform draws characters
    // it takes from a linked font. Qt would lower a line by the taller ascent
    // of the face it borrows Chinese glyphs from and underline those glyphs at
    // that face's place, so a Latin-only caption would sit higher than the rest.
    QFont glyphs = font_;
    glyphs.setUnderline(false);
    painter.setFont(glyphs);
    painter.setPen(textColour());
    const QFontMetrics metrics(font_);
    int baseline = clientRect.top() + metrics.ascent();
    for (const QString& line : displayText_.split(QLatin1Char('\n'))) {
        const int advance = metrics.horizontalAdvance(line);
        const int left = clientRect.left() + (clientRect.width() - advance) / 2;
        painter.drawText(QPoint(left, baseline), line);
        if (font_.underline())
            painter.fillRect(QRect(left, baseline + metrics.underlinePos(), advance, metrics.lineWidth()),
                             textColour());
        baseline += metrics.lineSpacing();
    }
}

} // namespace joseki
