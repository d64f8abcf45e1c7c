// The board's keys, the wheel, the focus and the copy of the line in the
// real dialog, offscreen: key and wheel events reach the controller's
// commands from wherever the focus is, the controls keep their own keys, and
// the tooltips name the keys.
#include "ui/JosekiBrowserDialog.h"

#include "library/SgfLineWriter.h"
#include "tests/support/RecordingMessageService.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/BoardKeys.h"
#include "ui/ControlHooks.h"
#include "ui/GbkText.h"
#include "ui/controls/SplashWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

namespace joseki {
namespace {

using test::RecordingMessageService;
using test::waitUntil;

// The root has three candidates, A at Q16 and B at D16; Q16 leads by two
// forced moves to a branch point with A at Q17, R3 and a tenuki.
constexpr const char* kFixture = "ui-keys.sgf";

class DialogKeysTest : public ::testing::Test {
protected:
    void SetUp() override { open({}); }

    void open(DialogHooks hooks)
    {
        test::testApplication();
        dialog = std::make_unique<JosekiBrowserDialog>(messages, test::fixtureLoad(kFixture), std::move(hooks));
        ASSERT_TRUE(waitUntil([this] { return dialog->controller().loaded(); }));
        ASSERT_TRUE(waitUntil([this] { return dialog->frameGeometry().width() == layout().expectedWindowWidth; }));
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        QApplication::processEvents();
    }

    const Layout& layout() const { return dialog->layout(); }
    const JosekiEngine& engine() { return dialog->controller().engine(); }
    QWidget* control(int id) { return dialog->controlWidget(id); }
    int stones() { return engine().stoneCount; }

    // A key as the platform delivers it: to the window, and from there to
    // whatever has the focus.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(dialog->windowHandle(), key, modifiers);
    }
    void focus(int id)
    {
        control(id)->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(waitUntil([this, id] { return QApplication::focusWidget() == control(id); }));
    }
    QPoint pixelOf(int col, int row) const
    {
        return {layout().boardOriginX + col * layout().gridSpacing, layout().boardOriginY + row * layout().gridSpacing};
    }
    void wheel(QPoint at, int angle)
    {
        QWheelEvent event(at, dialog->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(dialog.get(), &event);
    }
    std::string clipboard() const { return QGuiApplication::clipboard()->text().toStdString(); }
    std::string expectedSgf() const { return SgfLineWriter::write(dialog->controller().browsedLine()); }

    RecordingMessageService messages;
    std::unique_ptr<JosekiBrowserDialog> dialog;
};

TEST_F(DialogKeysTest, TheBoardHasTheFocusAtStartSoKeysWorkWithoutAClick)
{
    EXPECT_EQ(QApplication::focusWidget(), dialog.get());
    press(Qt::Key_A);
    EXPECT_EQ(stones(), 1);
    EXPECT_EQ(QApplication::focusWidget(), dialog.get());
}

TEST_F(DialogKeysTest, KeysFromTheBoardRunTheirCommands)
{
    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int stones;
        int candidates;
    };
    const Step steps[] = {
        {Qt::Key_B, Qt::ShiftModifier, 1, 1},  // the candidate labelled B
        {Qt::Key_Home, Qt::NoModifier, 0, 3},  // 收子
        {Qt::Key_A, Qt::NoModifier, 1, 1},     // the candidate labelled A
        {Qt::Key_End, Qt::NoModifier, 3, 3},   // to the branch point at once
        {Qt::Key_Left, Qt::NoModifier, 2, 1},  // back
        {Qt::Key_Right, Qt::NoModifier, 3, 3}, // the only continuation
        {Qt::Key_Down, Qt::NoModifier, 3, 3},  // highlight Q17
        {Qt::Key_Down, Qt::NoModifier, 3, 3},  // highlight R3
        {Qt::Key_Right, Qt::NoModifier, 4, 0}, // play the highlighted R3
        {Qt::Key_Up, Qt::NoModifier, 1, 1},    // 上分支: back to the first move of the variation
        {Qt::Key_End, Qt::NoModifier, 3, 3},
        {Qt::Key_F2, Qt::NoModifier, 3, 0}, // 脱先, after the paint that enabled it
    };
    for (const Step& step : steps) {
        dialog->repaint();
        press(step.key, step.modifiers);
        EXPECT_EQ(stones(), step.stones) << QTest::toString(step.key);
        EXPECT_EQ(engine().candidateCount, step.candidates) << QTest::toString(step.key);
    }
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(DialogKeysTest, KeyEventsNameTheBoardKeysOfTheTable)
{
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::optional<BoardKey> board;
        char letter;
    };
    const Case cases[] = {
        {Qt::Key_Left, Qt::NoModifier, BoardKey::Left, 0},
        {Qt::Key_Right, Qt::KeypadModifier, BoardKey::Right, 0},
        {Qt::Key_Down, Qt::NoModifier, BoardKey::Down, 0},
        {Qt::Key_Up, Qt::NoModifier, BoardKey::Up, 0},
        {Qt::Key_PageUp, Qt::NoModifier, BoardKey::PageUp, 0},
        {Qt::Key_Home, Qt::NoModifier, BoardKey::Home, 0},
        {Qt::Key_End, Qt::NoModifier, BoardKey::End, 0},
        {Qt::Key_Q, Qt::NoModifier, BoardKey::Letter, 'Q'},
        {Qt::Key_Q, Qt::ShiftModifier, BoardKey::Letter, 'Q'},
        {Qt::Key_F2, Qt::NoModifier, BoardKey::F2, 0},
        {Qt::Key_F3, Qt::NoModifier, BoardKey::F3, 0},
        {Qt::Key_F5, Qt::NoModifier, BoardKey::F5, 0},
        {Qt::Key_F6, Qt::NoModifier, BoardKey::F6, 0},
        {Qt::Key_Minus, Qt::KeypadModifier, BoardKey::Minus, 0},
        {Qt::Key_Plus, Qt::ShiftModifier, BoardKey::Plus, 0},
        {Qt::Key_Equal, Qt::NoModifier, BoardKey::Plus, 0},
        {Qt::Key_F7, Qt::NoModifier, BoardKey::F7, 0},
        {Qt::Key_F8, Qt::NoModifier, BoardKey::F8, 0},
        {Qt::Key_C, Qt::ControlModifier, BoardKey::Copy, 0},
        // The dialog's own keys and the modified ones stay out.
        {Qt::Key_Tab, Qt::NoModifier, std::nullopt, 0},
        {Qt::Key_Escape, Qt::NoModifier, std::nullopt, 0},
        {Qt::Key_Return, Qt::NoModifier, std::nullopt, 0},
        {Qt::Key_Space, Qt::NoModifier, std::nullopt, 0},
        {Qt::Key_F4, Qt::NoModifier, std::nullopt, 0},
        {Qt::Key_PageDown, Qt::NoModifier, std::nullopt, 0},
        {Qt::Key_A, Qt::AltModifier, std::nullopt, 0},
        {Qt::Key_A, Qt::ControlModifier, std::nullopt, 0},
        {Qt::Key_Left, Qt::ShiftModifier, std::nullopt, 0},
    };
    for (const Case& c : cases) {
        const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers);
        const std::optional<KeyStroke> stroke = BoardKeys::strokeOf(event);
        ASSERT_EQ(stroke.has_value(), c.board.has_value()) << QTest::toString(c.key);
        if (stroke) {
            EXPECT_EQ(stroke->key, *c.board) << QTest::toString(c.key);
            EXPECT_EQ(stroke->letter, c.letter) << QTest::toString(c.key);
        }
    }
}

TEST_F(DialogKeysTest, AFocusedButtonOrCheckBoxPassesTheBoardKeysOnAndKeepsSpace)
{
    focus(kCoordinatesCheck);
    press(Qt::Key_A);
    EXPECT_EQ(stones(), 1);
    // An arrow steps the board instead of moving the focus on.
    press(Qt::Key_Left);
    EXPECT_EQ(stones(), 0);
    EXPECT_EQ(QApplication::focusWidget(), control(kCoordinatesCheck));
    // Space still presses the focused control.
    press(Qt::Key_Space);
    EXPECT_FALSE(static_cast<QCheckBox*>(control(kCoordinatesCheck))->isChecked());
    EXPECT_EQ(dialog->controller().display().showCoordinates, 0);
}

TEST_F(DialogKeysTest, TheFocusedMoveNumberListKeepsItsArrowsButNotTheLetters)
{
    auto* combo = static_cast<QComboBox*>(control(kMoveNumberCombo));
    focus(kMoveNumberCombo);
    press(Qt::Key_Down);
    EXPECT_EQ(combo->currentIndex(), 4);
    EXPECT_EQ(dialog->controller().display().moveNumberMode, 10);
    EXPECT_EQ(stones(), 0);
    press(Qt::Key_A);
    EXPECT_EQ(stones(), 1);
    // The sign keys move the list from anywhere.
    dialog->setFocus();
    press(Qt::Key_Minus);
    EXPECT_EQ(combo->currentIndex(), 3);
    EXPECT_EQ(dialog->controller().display().moveNumberMode, 5);
}

TEST_F(DialogKeysTest, TabStillMovesTheFocusFromTheBoardToTheControls)
{
    press(Qt::Key_Tab);
    QWidget* next = QApplication::focusWidget();
    ASSERT_NE(next, nullptr);
    EXPECT_NE(next, dialog.get());
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), dialog.get());
}

TEST_F(DialogKeysTest, AClickOnTheBoardBringsTheFocusBack)
{
    focus(kMoveNumberCombo);
    QTest::mouseClick(dialog.get(), Qt::LeftButton, {}, pixelOf(9, 9));
    EXPECT_EQ(QApplication::focusWidget(), dialog.get());
}

TEST_F(DialogKeysTest, AFocusedButtonThatTurnsGreyHandsTheFocusToTheBoard)
{
    press(Qt::Key_A);
    focus(kCollectButton);
    press(Qt::Key_Space);
    EXPECT_EQ(stones(), 0);
    EXPECT_FALSE(control(kCollectButton)->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), dialog.get());
    press(Qt::Key_B);
    EXPECT_EQ(stones(), 1);
}

TEST_F(DialogKeysTest, CtrlCCopiesTheLineUnlessTheCommentBoxHasASelection)
{
    press(Qt::Key_A);
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard(), expectedSgf());
    EXPECT_EQ(clipboard().rfind("(;FF[4]CA[UTF-8]GM[1]SZ[19]", 0), 0u);

    auto* comment = static_cast<QPlainTextEdit*>(control(kCommentBox));
    focus(kCommentBox);
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard(), expectedSgf()) << "no selection";
    comment->selectAll();
    press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), comment->toPlainText());
}

TEST_F(DialogKeysTest, TheBackgroundMenuHoldsTheAcknowledgementThenTheCopy)
{
    press(Qt::Key_A);
    QGuiApplication::clipboard()->clear();
    std::unique_ptr<QMenu> menu(dialog->createWindowMenu(dialog.get()));
    QList<QAction*> entries;
    for (QAction* action : menu->actions())
        if (!action->isSeparator())
            entries.append(action);
    // The entries of the book's answers follow them.
    ASSERT_GE(entries.size(), 2);
    EXPECT_EQ(qStringToGbk(entries[0]->text()), "鸣谢●Kavo定式(&A)...");
    EXPECT_EQ(qStringToGbk(entries[1]->text()), "复制棋谱 (SGF)\tCtrl+C");
    entries[1]->trigger();
    EXPECT_EQ(clipboard(), expectedSgf());
}

TEST_F(DialogKeysTest, TheMenuKeyOpensTheBackgroundMenuThoughTheDialogsCentreIsOnTheBoard)
{
    const QPoint centre = dialog->rect().center();
    ASSERT_TRUE(dialog->pointFromPixel(centre.x(), centre.y()).has_value());
    QContextMenuEvent event(QContextMenuEvent::Keyboard, centre, dialog->mapToGlobal(centre));
    QApplication::sendEvent(dialog.get(), &event);
    ASSERT_TRUE(waitUntil([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr; }));
    auto* menu = static_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_FALSE(menu->actions().isEmpty());
    EXPECT_EQ(qStringToGbk(menu->actions().first()->text()), "鸣谢●Kavo定式(&A)...");
    menu->close();
}

TEST_F(DialogKeysTest, TheWheelOverTheBoardStepsAndKeepsPartsOfANotch)
{
    press(Qt::Key_A);
    const QPoint board = pixelOf(9, 9);
    wheel(board, -120);
    EXPECT_EQ(stones(), 2);
    wheel(board, 60);
    EXPECT_EQ(stones(), 2);
    wheel(board, 60);
    EXPECT_EQ(stones(), 1);
    // Off the board the wheel does nothing.
    wheel(QPoint(layout().boardRect.right + 20, layout().boardOriginY), 240);
    EXPECT_EQ(stones(), 1);
}

TEST_F(DialogKeysTest, TooltipsNameTheKeys)
{
    struct Tip {
        int id;
        const char* text;
    };
    const Tip tips[] = {
        {kCollectButton, "快捷键：Home"},
        {kUpBranchButton, "快捷键：↑ 或 PageUp"},
        {kTenukiButton, "快捷键：F2"},
        {kAutoPlayButton, "快捷键：F3"},
        {kTrialButton, "快捷键：F5"},
        {kTrialEndButton, "快捷键：F6"},
        {kCoordinatesCheck, "快捷键：F7"},
        {kTextureButton, "快捷键：F8"},
        {kMoveNumberCombo, "快捷键：- 少显示手数，+ 多显示手数"},
    };
    for (const Tip& tip : tips)
        EXPECT_EQ(qStringToGbk(control(tip.id)->toolTip()), tip.text) << tip.id;
    // The hint line under the board lists the board's own keys and the wheel.
    const std::string board = qStringToGbk(control(kHintLine)->toolTip());
    for (const char* named : {"←", "→", "↓", "End", "A-Z", "Ctrl+C", "鼠标滚轮"})
        EXPECT_NE(board.find(named), std::string::npos) << named << " in " << board;
}

TEST_F(DialogKeysTest, KeysDoNothingDuringTheAutoPlayPauses)
{
    press(Qt::Key_A);
    static_cast<QLineEdit*>(control(kSpeedEdit))->setText(QStringLiteral("10"));
    ASSERT_TRUE(control(kAutoPlayButton)->isEnabled());
    std::optional<int> afterKeys;
    QTimer::singleShot(100, dialog.get(), [this, &afterKeys] {
        press(Qt::Key_Left);
        press(Qt::Key_Home);
        afterKeys = stones();
    });
    press(Qt::Key_F3);
    EXPECT_EQ(afterKeys, std::optional<int>(2));
    EXPECT_EQ(stones(), 3);
    EXPECT_FALSE(dialog->controller().autoPlayRunning());
}

class TitlePictureKeysTest : public DialogKeysTest {
protected:
    void SetUp() override
    {
        DialogHooks hooks;
        hooks.titlePictureShown = [] { return true; };
        open(std::move(hooks));
    }
};

TEST_F(TitlePictureKeysTest, KeysDoNothingWhileTheTitlePictureIsUp)
{
    for (const Qt::Key key : {Qt::Key_A, Qt::Key_Right, Qt::Key_F7, Qt::Key_Minus})
        press(key);
    EXPECT_EQ(stones(), 0);
    EXPECT_EQ(dialog->controller().display().showCoordinates, 1);
    EXPECT_EQ(dialog->controller().display().moveNumberMode, 5);
}

class ProgramHooksKeysTest : public DialogKeysTest {
protected:
    void SetUp() override
    {
        // The picture stays up for the whole test instead of 1.2 seconds.
        SplashWindow::setSplashLifetime(SplashWindow::kAboutLifetimeMs);
        open(controlDialogHooks(messages));
    }
    void TearDown() override
    {
        SplashWindow::hideSplash();
        SplashWindow::setSplashLifetime(SplashWindow::kStartupLifetimeMs);
    }
};

TEST_F(ProgramHooksKeysTest, TheProgramsHooksTellTheDialogWhileTheTitlePictureIsUp)
{
    ASSERT_NE(SplashWindow::currentSplash(), nullptr);
    press(Qt::Key_A);
    EXPECT_EQ(stones(), 0);
    SplashWindow::hideSplash();
    press(Qt::Key_A);
    EXPECT_EQ(stones(), 1);
}

} // namespace
} // namespace joseki
