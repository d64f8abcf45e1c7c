#include "ui/controls/SiteLinks.h"

#include "core/MessageService.h"
#include "tests/support/RecordingMessageService.h"
#include "tests/ui/RecordingUrlOpener.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/GbkText.h"
#include "ui/QtMessageService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace joseki {
namespace {

using test::RecordingUrlOpener;

// Real labels except those whose text is in `failing`; boxes are recorded.
struct ScriptedServices {
    std::vector<std::string> failing;
    test::RecordingMessageService messages;
    std::vector<test::RecordingMessageService::Box>& boxes = messages.boxes;

    SiteLinkServices services()
    {
        return SiteLinkServices{[this](HyperlinkLabel& label, const HyperlinkSettings& settings) {
                                    if (std::find(failing.begin(), failing.end(), settings.text) != failing.end())
                                        return false;
                                    return label.create(settings);
                                },
                                &messages};
    }
};

// The link windows among a container's children, left to right.
std::vector<QWidget*> linkWindows(QWidget* container)
{
    std::vector<QWidget*> links;
    for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->property("controlId").isValid())
            links.push_back(child);
    std::sort(links.begin(), links.end(), [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
    return links;
}

void pressLeft(QWidget* window)
{
    const QPointF pos(3, 3);
    QMouseEvent press(QEvent::MouseButtonPress, pos, window->mapToGlobal(pos), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(window, &press);
}

class SiteLinksTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::testApplication();
        window = std::make_unique<QWidget>();
        window->resize(600, 200);
        panel = new QLabel(window.get());
        panel->setGeometry(10, 10, 182, 75);
        strip = new QLabel(gbkToQString(" 围棋网站"), window.get());
        strip->setGeometry(10, 120, 570, 18);
        window->show();
    }

    std::unique_ptr<QWidget> window;
    QLabel* panel = nullptr;
    QLabel* strip = nullptr;
};

TEST_F(SiteLinksTest, WebsiteLinksStandInTheirPlacesAndOpenTheirAddresses)
{
    RecordingUrlOpener opener;
    ScriptedServices scripted;
    EXPECT_EQ(createWebsiteLinks(strip, scripted.services()), 7);
    const std::vector<QWidget*> links = linkWindows(strip);
    ASSERT_EQ(links.size(), 7U);
    const int expectedX[] = {68, 118, 168, 218, 268, 318, 368};
    const char* expectedText[] = {"弈城", "TOM", "清风", "中围", "围棋8", "新锐", "博弈"};
    for (std::size_t i = 0; i < links.size(); ++i) {
        EXPECT_EQ(links[i]->geometry(), QRect(expectedX[i], 0, 45, 15)) << i;
        EXPECT_EQ(links[i]->property("controlId").toInt(), 0);
        EXPECT_TRUE(links[i]->font().underline());
        EXPECT_EQ(links[i]->cursor().shape(), Qt::BitmapCursor) << "the hand cursor 129";
        EXPECT_EQ(websiteLinks()[i].text, std::string(expectedText[i]));
        pressLeft(links[i]);
    }
    ASSERT_EQ(opener.opened.size(), 7U);
    for (std::size_t i = 0; i < opener.opened.size(); ++i) {
        EXPECT_EQ(opener.opened[i], websiteLinks()[i].url);
        EXPECT_GE(opener.opened[i].size(), 6U);
        EXPECT_EQ(opener.opened[i].rfind("http", 0), 0U) << opener.opened[i];
    }
    EXPECT_TRUE(scripted.boxes.empty()) << "a website link shows no message of its own";
}

TEST_F(SiteLinksTest, AFailedWebsiteLinkIsLeftOutSilently)
{
    ScriptedServices scripted;
    scripted.failing = {"TOM", "博弈"};
    EXPECT_EQ(createWebsiteLinks(strip, scripted.services()), 5);
    EXPECT_EQ(linkWindows(strip).size(), 5U);
    EXPECT_TRUE(scripted.boxes.empty());
}

TEST_F(SiteLinksTest, InfoPanelHasTheAboutAndThanksLinks)
{
    ScriptedServices scripted;
    EXPECT_EQ(createInfoPanelLinks(panel, scripted.services()), 2);
    const std::vector<QWidget*> links = linkWindows(panel);
    ASSERT_EQ(links.size(), 2U);
    EXPECT_EQ(links[0]->geometry(), QRect(34, 52, 40, 15));
    EXPECT_EQ(links[1]->geometry(), QRect(86, 52, 40, 15));
    for (QWidget* link : links) {
        EXPECT_TRUE(link->font().underline());
        EXPECT_EQ(link->font().weight(), QFont::Normal);
        EXPECT_EQ(link->cursor().shape(), Qt::BitmapCursor);
        // Blue text, no background of its own.
        const QImage picture = link->grab().toImage();
        int blue = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                blue += picture.pixelColor(x, y) == QColor(0, 0, 255) ? 1 : 0;
        EXPECT_GT(blue, 0);
    }
    EXPECT_TRUE(scripted.boxes.empty());
}

TEST_F(SiteLinksTest, AnInfoLinkThatCannotBeMadeIsReportedAndLeftOut)
{
    struct Case {
        std::vector<std::string> failing;
        int made;
    };
    const Case cases[] = {{{"关 于"}, 1}, {{"鸣谢"}, 1}, {{"关 于", "鸣谢"}, 0}};
    for (const Case& c : cases) {
        QLabel freshPanel(window.get());
        freshPanel.setGeometry(10, 10, 182, 75);
        ScriptedServices scripted;
        scripted.failing = c.failing;
        EXPECT_EQ(createInfoPanelLinks(&freshPanel, scripted.services()), c.made);
        EXPECT_EQ(static_cast<int>(linkWindows(&freshPanel).size()), c.made);
        ASSERT_EQ(scripted.boxes.size(), c.failing.size());
        for (const test::RecordingMessageService::Box& box : scripted.boxes) {
            EXPECT_EQ(box.text, "Failed to create hyperlink 3.");
            EXPECT_EQ(box.caption, "Fatal error!");
            EXPECT_EQ(box.flags, mb::kIconError);
        }
    }
}

TEST_F(SiteLinksTest, NothingWithoutAContainer)
{
    ScriptedServices scripted;
    EXPECT_EQ(createInfoPanelLinks(nullptr, scripted.services()), 0);
    EXPECT_EQ(createWebsiteLinks(nullptr, scripted.services()), 0);
    EXPECT_TRUE(scripted.boxes.empty());
}

TEST_F(SiteLinksTest, TheProgramsBoxForAFailedLinkHasTheChineseOkButton)
{
    std::string buttonText;
    QTimer::singleShot(50, [&buttonText] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || box->buttons().size() != 1)
            return;
        buttonText = qStringToGbk(box->buttons().front()->text());
        box->buttons().front()->click();
    });
    QtMessageService messages;
    programSiteLinkServices(messages).messages->showCaptionedBox("Failed to create hyperlink 3.", "Fatal error!",
                                                                 mb::kIconError);
    EXPECT_EQ(buttonText, "确定");
}

} // namespace
} // namespace joseki
