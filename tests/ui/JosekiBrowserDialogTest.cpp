#include "ui/JosekiBrowserDialog.h"

#include "tests/support/RecordingMessageService.h"
#include "tests/ui/CaptionInk.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/DialogTemplate.h"
#include "ui/GbkText.h"
#include "ui/TriStateButton.h"
#include "ui/UpDownControl.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

namespace joseki {
namespace {

using test::RecordingMessageService;
using test::waitUntil;

constexpr const char* kFixture = "ui-browse.sgf";

class JosekiBrowserDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::testApplication();
        dialog = std::make_unique<JosekiBrowserDialog>(messages, test::fixtureLoad(kFixture));
        ASSERT_TRUE(waitUntil([this] { return dialog->controller().loaded(); }));
        ASSERT_TRUE(dialog->isVisible());
        // The first paint resizes the window to the layout's size.
        ASSERT_TRUE(waitUntil([this] { return dialog->frameGeometry().width() == layout().expectedWindowWidth; }));
        QApplication::processEvents();
    }

    const Layout& layout() const { return dialog->layout(); }
    BrowserController& controller() { return dialog->controller(); }
    const JosekiEngine& engine() { return dialog->controller().engine(); }
    QWidget* control(int id) { return dialog->controlWidget(id); }
    QPushButton* button(int id) { return static_cast<QPushButton*>(control(id)); }

    QPoint pixelOf(int col, int row) const
    {
        return {layout().boardOriginX + col * layout().gridSpacing, layout().boardOriginY + row * layout().gridSpacing};
    }
    void click(Qt::MouseButton which, QPoint pixel) { QTest::mouseClick(dialog.get(), which, {}, pixel); }
    void clickPoint(Qt::MouseButton which, int col, int row) { click(which, pixelOf(col, row)); }
    std::string commentText() const
    {
        return qStringToGbk(static_cast<QPlainTextEdit*>(dialog->controlWidget(kCommentBox))->toPlainText());
    }

    RecordingMessageService messages;
    std::unique_ptr<JosekiBrowserDialog> dialog;
};

TEST_F(JosekiBrowserDialogTest, TitleIsTheTemplateCaptionByteForByte)
{
    EXPECT_EQ(qStringToGbk(dialog->windowTitle()), "Kavo围棋定式大全 4.1 版    \t\t网上对弈，现学现用，如虎添翼");
}

TEST_F(JosekiBrowserDialogTest, StartUpShowsTheRootWithDefaultOptions)
{
    EXPECT_EQ(commentText(), "根的说明");
    auto* combo = static_cast<QComboBox*>(control(kMoveNumberCombo));
    EXPECT_EQ(combo->currentIndex(), 3);
    EXPECT_EQ(qStringToGbk(combo->currentText()), "最后5手");
    EXPECT_EQ(controller().display().moveNumberMode, 5);
    EXPECT_EQ(static_cast<QLineEdit*>(control(kSpeedEdit))->text(), QStringLiteral("5"));
    EXPECT_TRUE(static_cast<QCheckBox*>(control(kCoordinatesCheck))->isChecked());
    EXPECT_EQ(static_cast<TriStateButton*>(control(kTextureButton))->state(), 0);
    EXPECT_EQ(engine().cursor, engine().root);
    EXPECT_EQ(engine().stoneCount, 0);
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(JosekiBrowserDialogTest, MoveNumberListHoldsItsSixEntriesUnsorted)
{
    auto* combo = static_cast<QComboBox*>(control(kMoveNumberCombo));
    const std::vector<std::string> expected{"不显示", "最后1手", "最后2手", "最后5手", "最后10手", "显示全部"};
    ASSERT_EQ(combo->count(), static_cast<int>(expected.size()));
    for (int i = 0; i < combo->count(); ++i)
        EXPECT_EQ(qStringToGbk(combo->itemText(i)), expected[static_cast<std::size_t>(i)]) << i;
}

TEST_F(JosekiBrowserDialogTest, ControlsCarryTheirIdsAndInitialStates)
{
    struct Expected {
        int id;
        bool visible;
        bool enabled;
    };
    // At the root with three branches: nothing to collect, no trial, no auto-play.
    const Expected table[] = {
        {kCommentBox, true, true},          {kHintLine, true, true},         {kAboutButton, false, false},
        {kHelpButton, false, false},        {kInfoPanel, true, true},        {kPicture, true, true},
        {kCollectButton, true, false},      {kUpBranchButton, true, false},  {kBackButton, false, false},
        {kNextButton, false, false},        {kAutoPlayButton, true, false},  {kSpeedEdit, true, false},
        {kSpeedSpin, true, false},          {kMoveNumberLabel, true, true},  {kMoveNumberCombo, true, true},
        {kWebsiteStrip, true, true},        {kTrialButton, true, false},     {kTrialRestartButton, false, false},
        {kTrialEndButton, true, false},     {kCoordinatesCheck, true, true}, {kTextureButton, true, true},
        {kAcknowledgeButton, false, false},
    };
    for (const Expected& row : table) {
        QWidget* widget = control(row.id);
        ASSERT_NE(widget, nullptr) << row.id;
        EXPECT_EQ(widget->property("controlId").toInt(), row.id);
        EXPECT_EQ(widget->isVisible(), row.visible) << row.id;
        EXPECT_EQ(widget->isEnabled(), row.enabled) << row.id;
    }
    EXPECT_EQ(control(1014), nullptr);
    EXPECT_EQ(qStringToGbk(button(kTrialButton)->text()), "试 下");
    EXPECT_EQ(qStringToGbk(static_cast<QCheckBox*>(control(kCoordinatesCheck))->text()), "坐标");
}

TEST_F(JosekiBrowserDialogTest, EveryCaptionAndEveryListEntryFitsItsControl)
{
    // Each caption, hidden controls included, and the widest speed; a caption
    // the control cuts leaves less ink than the text drawn alone.
    struct Shown {
        int id;
        std::string text;
    };
    std::vector<Shown> shown;
    for (const ControlTemplate& entry : DialogTemplate::controls()) {
        if (!gbkToQString(entry.caption).trimmed().isEmpty())
            shown.push_back({entry.id, entry.caption});
    }
    shown.push_back({kSpeedEdit, "10"});
    shown.push_back({kTrialButton, "重新试下"});
    for (const Shown& item : shown) {
        QWidget* widget = control(item.id);
        // Enabled, for black text; without focus, for no focus frame.
        widget->setEnabled(true);
        widget->clearFocus();
        const QSize ink = test::inkInControl(
            *widget, [&](bool withCaption) { dialog->setControlCaption(item.id, withCaption ? item.text : ""); });
        EXPECT_TRUE(test::isWholeText(ink, widget->font(), gbkToQString(item.text)))
            << item.id << " " << gbkToQString(item.text).toStdString() << " " << ink.width() << "x" << ink.height();
    }

    auto* combo = static_cast<QComboBox*>(control(kMoveNumberCombo));
    combo->clearFocus();
    const int selected = combo->currentIndex();
    for (int entry = 0; entry < combo->count(); ++entry) {
        const QSize ink =
            test::inkInControl(*combo, [&](bool withCaption) { combo->setCurrentIndex(withCaption ? entry : -1); });
        EXPECT_TRUE(test::isWholeText(ink, combo->font(), combo->itemText(entry)))
            << combo->itemText(entry).toStdString() << " " << ink.width() << "x" << ink.height();
    }
    combo->setCurrentIndex(selected);

    // The dropped list shows every entry whole, without a scroll bar.
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    ASSERT_TRUE(waitUntil([list] { return list->isVisible(); }));
    for (int entry = 0; entry < combo->count(); ++entry) {
        const QModelIndex index = combo->model()->index(entry, 0);
        const QRect place = list->visualRect(index);
        EXPECT_GE(place.width(), list->sizeHintForIndex(index).width()) << entry;
        EXPECT_TRUE(list->viewport()->rect().contains(place)) << entry;
    }
    EXPECT_GE(list->mapToGlobal(QPoint(0, 0)).y(), combo->mapToGlobal(QPoint(0, combo->height())).y());
    combo->hidePopup();
}

TEST_F(JosekiBrowserDialogTest, WindowTakesTheLayoutSizeAndTheControlsTheirScaledPlaces)
{
    // The offscreen screen is 800 x 800: a work area of the full height, so
    // the layout works with 760 pixels.
    EXPECT_EQ(dialog->frameGeometry().size(), QSize(951, 741));
    EXPECT_EQ(dialog->expectedWindowSize(), QSize(951, 741));
    // Centred on the work area after the resize, but kept inside it when it
    // is larger.
    const QRect area = dialog->screen()->availableGeometry();
    const QSize size = dialog->expectedWindowSize();
    const auto centred = [](int start, int extent, int length) {
        const int middle = start + extent / 2 - length / 2;
        return std::max(start, std::min(middle, start + extent - length));
    };
    EXPECT_EQ(dialog->frameGeometry().topLeft(), QPoint(centred(area.left(), area.width(), size.width()),
                                                        centred(area.top(), area.height(), size.height())));
    const auto& recorded = dialog->templateControlRects();
    // The recorded rectangles are the template's, in pixels.
    const Rect commentTemplate = recorded[kCommentBox - kFirstControlId];
    EXPECT_EQ(commentTemplate, dialogUnitRect(347, 17, 120, 117));
    for (const int id : {kCommentBox, kWebsiteStrip, kTrialButton}) {
        const Rect placed = placeControl(id, recorded[static_cast<std::size_t>(id - kFirstControlId)],
                                         static_cast<float>(layout().layoutScale), layout());
        EXPECT_EQ(control(id)->geometry(), QRect(placed.left, placed.top, placed.width(), placed.height())) << id;
    }
}

TEST_F(JosekiBrowserDialogTest, LeftClickOnACandidatePlaysIt)
{
    clickPoint(Qt::LeftButton, 15, 3);
    EXPECT_EQ(engine().stoneCount, 1);
    ASSERT_NE(engine().cursor, engine().root);
    EXPECT_EQ(commentText(), "星位");
    EXPECT_TRUE(button(kCollectButton)->isEnabled());
    EXPECT_TRUE(button(kTrialButton)->isEnabled());
}

TEST_F(JosekiBrowserDialogTest, ClicksOffTheCandidatesOrOffTheBoardChangeNothing)
{
    clickPoint(Qt::LeftButton, 9, 9);
    click(Qt::LeftButton, QPoint(2, 2));
    click(Qt::RightButton, QPoint(2, 2));
    EXPECT_EQ(engine().cursor, engine().root);
    EXPECT_EQ(commentText(), "根的说明");
}

TEST_F(JosekiBrowserDialogTest, RightClickOnTheBoardStepsBackButNotOffIt)
{
    clickPoint(Qt::LeftButton, 15, 3);
    clickPoint(Qt::LeftButton, 16, 2);
    ASSERT_EQ(engine().stoneCount, 2);
    click(Qt::RightButton, QPoint(layout().boardRect.right + 20, layout().boardOriginY));
    EXPECT_EQ(engine().stoneCount, 2);
    clickPoint(Qt::RightButton, 0, 0);
    EXPECT_EQ(engine().stoneCount, 1);
}

TEST_F(JosekiBrowserDialogTest, NameWithoutCommentStartsOnANewLine)
{
    clickPoint(Qt::LeftButton, 3, 3);
    EXPECT_EQ(commentText(), "\n小目");
}

TEST_F(JosekiBrowserDialogTest, TrialPlayPlacesStonesAndEndsBackOnTheBook)
{
    clickPoint(Qt::LeftButton, 15, 3);
    QTest::mouseClick(button(kTrialButton), Qt::LeftButton);
    EXPECT_EQ(controller().display().trialMode, 1);
    EXPECT_EQ(commentText(), "您正在试下研讨状态");
    EXPECT_TRUE(button(kTrialEndButton)->isEnabled());
    EXPECT_FALSE(button(kTrialButton)->isEnabled());

    clickPoint(Qt::LeftButton, 10, 10);
    EXPECT_EQ(controller().trialBoard().moveCount, 1);
    EXPECT_EQ(qStringToGbk(button(kTrialButton)->text()), "重新试下");
    EXPECT_TRUE(button(kTrialButton)->isEnabled());
    clickPoint(Qt::RightButton, 10, 10);
    EXPECT_EQ(controller().trialBoard().moveCount, 0);

    QTest::mouseClick(button(kTrialEndButton), Qt::LeftButton);
    EXPECT_EQ(controller().display().trialMode, 0);
    EXPECT_EQ(engine().stoneCount, 1);
    EXPECT_FALSE(button(kTrialEndButton)->isEnabled());
}

TEST_F(JosekiBrowserDialogTest, CloseBoxAsksAndNoKeepsTheWindow)
{
    messages.scriptAnswers({mb::kIdNo});
    EXPECT_FALSE(dialog->close());
    EXPECT_TRUE(dialog->isVisible());
    ASSERT_EQ(messages.boxes.size(), 1U);
    EXPECT_EQ(messages.boxes[0].text, "您确定要退出吗？");
    EXPECT_EQ(messages.boxes[0].flags, mb::kYesNo | mb::kIconQuestion | mb::kTopMost);

    messages.scriptAnswers({mb::kIdYes});
    EXPECT_TRUE(dialog->close());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(messages.boxes.size(), 2U);
}

TEST_F(JosekiBrowserDialogTest, EnterDoesNothingEvenOnAFocusedButton)
{
    clickPoint(Qt::LeftButton, 15, 3);
    QPushButton* collect = button(kCollectButton);
    collect->setFocus();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyClick(dialog.get(), key);
        QTest::keyClick(collect, key);
    }
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(engine().stoneCount, 1);
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(JosekiBrowserDialogTest, EscapeClosesWithoutAsking)
{
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(JosekiBrowserDialogTest, BoardCursorCoversTheEdgeHalfSquaresOnly)
{
    // The offscreen layout: origin (43, 50), spacing 33, so each point owns
    // 16 pixels either side of its lines.
    ASSERT_EQ(layout().boardOriginX, 43);
    ASSERT_EQ(layout().boardOriginY, 50);
    ASSERT_EQ(layout().gridSpacing, 33);
    const int first = 27;
    const int lastX = 653;
    const int top = 34;
    const int lastY = 660;
    const int midY = 347;
    const int midX = 340;
    struct Case {
        QPoint pixel;
        bool board;
    };
    const Case cases[] = {
        {{first, midY}, true},      {{first - 1, midY}, false}, {{lastX, midY}, true},
        {{lastX + 1, midY}, false}, {{midX, top}, true},        {{midX, top - 1}, false},
        {{midX, lastY}, true},      {{midX, lastY + 1}, false}, {{midX, midY}, true},
    };
    const Qt::CursorShape boardShape = JosekiBrowserDialog::boardCursor().shape();
    ASSERT_NE(boardShape, Qt::ArrowCursor);
    for (const Case& c : cases) {
        dialog->applyCursorRule(c.pixel);
        EXPECT_EQ(dialog->cursor().shape(), c.board ? boardShape : Qt::ArrowCursor)
            << c.pixel.x() << "," << c.pixel.y();
    }
    // Mouse movement over the dialog applies the same rule.
    QTest::mouseMove(dialog.get(), QPoint(midX, midY));
    EXPECT_EQ(dialog->cursor().shape(), boardShape);
    QTest::mouseMove(dialog.get(), QPoint(first - 1, midY));
    EXPECT_EQ(dialog->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(JosekiBrowserDialogTest, ComboEntryIsFoundFromTheSecondEntryOnAndWraps)
{
    EXPECT_EQ(dialog->selectComboEntry("最后"), 1);
    EXPECT_EQ(dialog->selectComboEntry("不显示"), 0);
    EXPECT_EQ(dialog->selectComboEntry("显示全部"), 5);
    EXPECT_EQ(dialog->selectComboEntry("全部"), -1);
    EXPECT_EQ(static_cast<QComboBox*>(control(kMoveNumberCombo))->currentIndex(), 5);
}

TEST_F(JosekiBrowserDialogTest, OptionsFollowTheirControls)
{
    QTest::mouseClick(control(kCoordinatesCheck), Qt::LeftButton);
    EXPECT_EQ(controller().display().showCoordinates, 0);
    const int textures[] = {1, 2, 0};
    for (const int texture : textures) {
        QTest::mouseClick(control(kTextureButton), Qt::LeftButton);
        EXPECT_EQ(controller().display().boardTexture, texture);
    }
}

TEST_F(JosekiBrowserDialogTest, SpeedArrowsStepTheEditWithinOneToTen)
{
    auto* spin = static_cast<UpDownControl*>(control(kSpeedSpin));
    auto* edit = static_cast<QLineEdit*>(control(kSpeedEdit));
    spin->setEnabled(true);
    QTest::mouseClick(spin->upButton(), Qt::LeftButton);
    EXPECT_EQ(edit->text(), QStringLiteral("6"));
    for (int i = 0; i < 8; ++i)
        spin->stepBy(1);
    EXPECT_EQ(edit->text(), QStringLiteral("10"));
    for (int i = 0; i < 12; ++i)
        spin->stepBy(-1);
    EXPECT_EQ(edit->text(), QStringLiteral("1"));
    EXPECT_EQ(dialog->readControlValues().autoPlaySpeed, 1);
}

TEST_F(JosekiBrowserDialogTest, CommentLineBreaksAreShownAsLines)
{
    dialog->setCommentText("一\r\n二");
    EXPECT_EQ(commentText(), "一\n二");
}

TEST_F(JosekiBrowserDialogTest, TenukiButtonFollowsTheLastBookPaint)
{
    dialog->repaint();
    EXPECT_FALSE(button(kTenukiButton)->isEnabled());
    for (const auto& [col, row] : {std::pair{15, 3}, {16, 2}, {16, 3}, {15, 2}})
        clickPoint(Qt::LeftButton, col, row);
    ASSERT_EQ(engine().stoneCount, 4);
    dialog->repaint();
    EXPECT_TRUE(button(kTenukiButton)->isEnabled());
    QTest::mouseClick(button(kTenukiButton), Qt::LeftButton);
    EXPECT_EQ(engine().stoneCount, 4);
    dialog->repaint();
    EXPECT_FALSE(button(kTenukiButton)->isEnabled());
}

TEST_F(JosekiBrowserDialogTest, CloseConfirmedDuringAutoPlayWaitsForTheCommandToReturn)
{
    clickPoint(Qt::LeftButton, 16, 16);
    ASSERT_TRUE(button(kAutoPlayButton)->isEnabled());
    messages.scriptAnswers({mb::kIdYes});
    bool visibleAfterClose = false;
    QTimer::singleShot(200, dialog.get(), [this, &visibleAfterClose] {
        dialog->close();
        visibleAfterClose = dialog->isVisible();
    });
    QTest::mouseClick(button(kAutoPlayButton), Qt::LeftButton);
    // The close came inside the first pause: the window stayed until the
    // command returned, and the line was not played on.
    EXPECT_TRUE(visibleAfterClose);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(engine().stoneCount, 2);
    EXPECT_FALSE(controller().autoPlayRunning());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
} // namespace joseki
