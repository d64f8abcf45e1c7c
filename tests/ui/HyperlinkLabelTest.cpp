#include "ui/controls/HyperlinkLabel.h"

#include "tests/ui/RecordingUrlOpener.h"
#include "tests/ui/UiTestSupport.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace joseki {
namespace {

const QColor kNormal(0, 0, 255);
const QColor kHover(255, 0, 0);
const QColor kBackground(10, 200, 30);
const QColor kParentColour(250, 250, 0);

using test::RecordingUrlOpener;

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

int countPixels(const QImage& image, const QColor& colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y).rgb() == colour.rgb() ? 1 : 0;
    return count;
}

class HyperlinkLabelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::testApplication();
        parent = std::make_unique<QWidget>();
        parent->resize(200, 100);
        QPalette palette = parent->palette();
        palette.setColor(QPalette::Window, kParentColour);
        parent->setPalette(palette);
        parent->setAutoFillBackground(true);
        parent->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(parent.get()));
    }

    HyperlinkSettings settings() const
    {
        HyperlinkSettings s;
        s.parent = parent.get();
        s.x = 20;
        s.y = 30;
        s.width = 60;
        s.height = 15;
        s.fontFace = "Arial";
        s.fontHeight = 14;
        s.underline = true;
        s.normalColour = kNormal;
        s.hoverColour = kHover;
        s.text = "TOM";
        return s;
    }

    std::unique_ptr<HyperlinkLabel> made(const HyperlinkSettings& s)
    {
        auto label = std::make_unique<HyperlinkLabel>();
        EXPECT_TRUE(label->create(s));
        QApplication::processEvents();
        return label;
    }

    static void send(QWidget* window, QEvent&& event) { QApplication::sendEvent(window, &event); }
    static void enter(QWidget* window)
    {
        const QPointF inside(5, 5);
        send(window, QEnterEvent(inside, inside, window->mapToGlobal(inside)));
    }
    static void leave(QWidget* window) { send(window, QEvent(QEvent::Leave)); }
    static void moveTo(QWidget* window, QPoint pos, Qt::MouseButtons held = Qt::NoButton)
    {
        send(window, QMouseEvent(QEvent::MouseMove, pos, window->mapToGlobal(pos), Qt::NoButton, held, {}));
    }
    static void press(QWidget* window, Qt::MouseButton button)
    {
        const QPointF pos(3, 3);
        send(window, QMouseEvent(QEvent::MouseButtonPress, pos, window->mapToGlobal(pos), button, button, {}));
    }

    std::unique_ptr<QWidget> parent;
};

TEST_F(HyperlinkLabelTest, CreateRefusesIncompleteSettingsWithoutMakingAWindow)
{
    struct Case {
        const char* what;
        void (*spoil)(HyperlinkSettings&);
    };
    const Case cases[] = {
        {"no parent", [](HyperlinkSettings& s) { s.parent = nullptr; }},
        {"zero width", [](HyperlinkSettings& s) { s.width = 0; }},
        {"zero height", [](HyperlinkSettings& s) { s.height = 0; }},
        {"negative width", [](HyperlinkSettings& s) { s.width = -5; }},
        {"no font face", [](HyperlinkSettings& s) { s.fontFace.clear(); }},
    };
    for (const Case& c : cases) {
        HyperlinkSettings s = settings();
        c.spoil(s);
        HyperlinkLabel label;
        EXPECT_FALSE(label.create(s)) << c.what;
        EXPECT_EQ(label.window(), nullptr) << c.what;
        EXPECT_TRUE(parent->findChildren<QWidget*>().isEmpty()) << c.what;
    }
}

TEST_F(HyperlinkLabelTest, CreateMakesAVisibleChildWithTheAskedFont)
{
    HyperlinkSettings s = settings();
    s.controlId = 7;
    const auto label = made(s);
    QWidget* window = label->window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->parentWidget(), parent.get());
    EXPECT_EQ(window->geometry(), QRect(20, 30, 60, 15));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->property("controlId").toInt(), 7);
    EXPECT_EQ(label->pointerState(), HyperlinkLabel::kPointerUnknown);
    EXPECT_FALSE(label->hovering());

    // The cell height is ascent plus descent, as the platform measures fonts.
    const QFontMetrics metrics(label->font());
    EXPECT_LE(metrics.ascent() + metrics.descent(), 14);
    QFont larger = label->font();
    larger.setPixelSize(label->font().pixelSize() + 1);
    const QFontMetrics largerMetrics(larger);
    EXPECT_GT(largerMetrics.ascent() + largerMetrics.descent(), 14);
    EXPECT_TRUE(label->font().underline());
    EXPECT_EQ(label->font().weight(), QFont::Normal);

    s.bold = true;
    s.underline = false;
    const auto bold = made(s);
    EXPECT_EQ(bold->font().weight(), QFont::Bold);
    EXPECT_FALSE(bold->font().underline());
}

TEST_F(HyperlinkLabelTest, RepaintsOnlyWhenThePointerCrossesTheEdge)
{
    const auto label = made(settings());
    QWidget* window = label->window();
    PaintCounter counter(window);

    enter(window);
    EXPECT_EQ(counter.paints, 1);
    EXPECT_TRUE(label->hovering());
    EXPECT_EQ(label->textColour(), kHover);
    for (int x = 1; x < 50; x += 7)
        moveTo(window, {x, 7});
    EXPECT_EQ(counter.paints, 1) << "moving within the link does not repaint";

    leave(window);
    EXPECT_EQ(counter.paints, 2);
    EXPECT_FALSE(label->hovering());
    EXPECT_EQ(label->textColour(), kNormal);
    leave(window);
    EXPECT_EQ(counter.paints, 2);

    // With the button held the link keeps getting moves after the pointer left.
    moveTo(window, {5, 5}, Qt::LeftButton);
    moveTo(window, {100, 40}, Qt::LeftButton);
    moveTo(window, {120, 40}, Qt::LeftButton);
    EXPECT_EQ(counter.paints, 4);
    EXPECT_EQ(label->pointerState(), HyperlinkLabel::kPointerOutside);
}

TEST_F(HyperlinkLabelTest, TheFirstPointerEventAlwaysRepaints)
{
    const auto label = made(settings());
    PaintCounter counter(label->window());
    leave(label->window());
    EXPECT_EQ(counter.paints, 1);
    EXPECT_EQ(label->pointerState(), HyperlinkLabel::kPointerOutside);
}

TEST_F(HyperlinkLabelTest, DrawsInTheColourOfThePointerSide)
{
    const auto label = made(settings());
    QWidget* window = label->window();
    const QImage normal = window->grab().toImage();
    EXPECT_GT(countPixels(normal, kNormal), 0);
    EXPECT_EQ(countPixels(normal, kHover), 0);
    enter(window);
    const QImage hovered = window->grab().toImage();
    EXPECT_GT(countPixels(hovered, kHover), 0);
    EXPECT_EQ(countPixels(hovered, kNormal), 0);
}

// The row holding the most pixels of exactly the colour: an underline's.
int underlineRow(const QImage& image, const QColor& colour)
{
    int bestRow = -1;
    int bestCount = 0;
    for (int y = 0; y < image.height(); ++y) {
        int count = 0;
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y).rgb() == colour.rgb() ? 1 : 0;
        if (count > bestCount) {
            bestCount = count;
            bestRow = y;
        }
    }
    return bestRow;
}

TEST_F(HyperlinkLabelTest, LatinAndChineseCaptionsStandOnOneBaseline)
{
    HyperlinkSettings s = settings();
    s.text = "TOM";
    const auto latin = made(s);
    s.y = 50;
    s.text = "弈城";
    const auto chinese = made(s);
    s.y = 70;
    s.text = "围棋8";
    const auto mixed = made(s);
    const int latinRow = underlineRow(latin->window()->grab().toImage(), kNormal);
    ASSERT_GE(latinRow, 0);
    EXPECT_EQ(underlineRow(chinese->window()->grab().toImage(), kNormal), latinRow);
    EXPECT_EQ(underlineRow(mixed->window()->grab().toImage(), kNormal), latinRow);
}

TEST_F(HyperlinkLabelTest, BackgroundIsFilledOnlyWhenAskedFor)
{
    const auto transparent = made(settings());
    HyperlinkSettings s = settings();
    s.y = 60;
    s.hasBackground = true;
    s.backgroundColour = kBackground;
    const auto filled = made(s);

    const QImage picture = parent->grab().toImage();
    EXPECT_EQ(picture.pixelColor(21, 31), kParentColour) << "the parent shows through";
    EXPECT_EQ(picture.pixelColor(21, 61), kBackground);
}

TEST_F(HyperlinkLabelTest, LeftPressOpensAddressesOfSixCharactersOrMore)
{
    struct Case {
        std::string url;
        bool opened;
    };
    const Case cases[] = {{"", false}, {"a.com", false}, {"ab.com", true}, {"https://www.eweiqi.com/", true}};
    for (const Case& c : cases) {
        RecordingUrlOpener opener;
        HyperlinkSettings s = settings();
        s.url = c.url;
        const auto label = made(s);
        press(label->window(), Qt::LeftButton);
        EXPECT_EQ(opener.opened.size(), c.opened ? 1U : 0U) << c.url;
        if (c.opened && !opener.opened.empty()) {
            EXPECT_EQ(opener.opened.front(), c.url);
        }
    }
}

TEST_F(HyperlinkLabelTest, ActionWinsOverTheAddressAndOnlyTheLeftButtonClicks)
{
    RecordingUrlOpener opener;
    std::vector<int> calls;
    HyperlinkSettings s = settings();
    s.url = "https://www.eweiqi.com/";
    s.onClick = [&calls](int argument) { calls.push_back(argument); };
    const auto label = made(s);

    press(label->window(), Qt::RightButton);
    press(label->window(), Qt::MiddleButton);
    EXPECT_TRUE(calls.empty());
    press(label->window(), Qt::LeftButton);
    EXPECT_EQ(calls, std::vector<int>{0});
    EXPECT_TRUE(opener.opened.empty());
}

TEST_F(HyperlinkLabelTest, OwnCursorOnlyWhenAskedFor)
{
    const auto plain = made(settings());
    EXPECT_FALSE(plain->window()->testAttribute(Qt::WA_SetCursor));

    HyperlinkSettings s = settings();
    s.useOwnCursor = true;
    s.cursor = QCursor(Qt::PointingHandCursor);
    const auto own = made(s);
    EXPECT_TRUE(own->window()->testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(own->window()->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(HyperlinkLabelTest, WindowOutlivingItsLabelIgnoresThePointer)
{
    RecordingUrlOpener opener;
    HyperlinkSettings s = settings();
    s.url = "https://www.eweiqi.com/";
    auto label = made(s);
    QWidget* window = label->window();
    label.reset();
    enter(window);
    press(window, Qt::LeftButton);
    window->repaint();
    EXPECT_TRUE(opener.opened.empty());
}

} // namespace
} // namespace joseki
