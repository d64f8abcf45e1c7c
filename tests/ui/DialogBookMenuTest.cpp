// The book's answers in the real dialog, offscreen: their entries in the
// background menu (two options off at start, the jumps only where they lead
// somewhere, practice with its colours), and Esc ending practice rather than
// the window.
#include "ui/JosekiBrowserDialog.h"

#include "library/LibraryLoader.h"
#include "tests/controller/BookFixture.h"
#include "tests/support/RecordingMessageService.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/GbkText.h"

#include <QAction>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace joseki {
namespace {

using test::waitUntil;

// An entry as the menu shows it: its text, whether it is ticked (-1 for no
// check box), whether it can be chosen, whether it opens a submenu.
struct Shown {
    std::string text;
    int ticked;
    bool enabled;
    bool submenu;
    friend bool operator==(const Shown&, const Shown&) = default;
};

std::ostream& operator<<(std::ostream& out, const Shown& s)
{
    return out << s.text << "/" << s.ticked << "/" << s.enabled << "/" << s.submenu;
}

class DialogBookMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::testApplication();
        dialog = std::make_unique<JosekiBrowserDialog>(
            messages, [](JosekiEngine& engine) { loadLibraryText(engine, test::kPracticeBook); });
        ASSERT_TRUE(waitUntil([this] { return dialog->controller().loaded(); }));
        ASSERT_TRUE(
            waitUntil([this] { return dialog->frameGeometry().width() == dialog->layout().expectedWindowWidth; }));
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    // The book's entries of a fresh menu, after the acknowledgement and the copy.
    std::vector<Shown> bookEntries()
    {
        menu.reset(dialog->createWindowMenu(dialog.get()));
        std::vector<Shown> shown;
        for (QAction* action : actions(*menu))
            shown.push_back({qStringToGbk(action->text()),
                             action->isCheckable() ? static_cast<int>(action->isChecked()) : -1, action->isEnabled(),
                             action->menu() != nullptr});
        return {shown.begin() + 2, shown.end()};
    }
    static std::vector<QAction*> actions(const QMenu& m)
    {
        std::vector<QAction*> list;
        for (QAction* action : m.actions())
            if (!action->isSeparator())
                list.push_back(action);
        return list;
    }
    QAction* entry(const std::string& text)
    {
        for (QAction* action : actions(*menu))
            if (qStringToGbk(action->text()) == text)
                return action;
        ADD_FAILURE() << text;
        return nullptr;
    }
    void click(int col, int row)
    {
        const Layout& l = dialog->layout();
        QTest::mouseClick(dialog.get(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(l.boardOriginX + col * l.gridSpacing, l.boardOriginY + row * l.gridSpacing));
    }
    const BrowserController& controller() const { return dialog->controller(); }

    test::RecordingMessageService messages;
    std::unique_ptr<JosekiBrowserDialog> dialog;
    std::unique_ptr<QMenu> menu;
};

TEST_F(DialogBookMenuTest, TheOptionsAreOffAtStartAndPracticeOffersBothColours)
{
    EXPECT_EQ(bookEntries(), (std::vector<Shown>{{"显示同形变化", 0, true, false},
                                                 {"试下时对照定式", 0, true, false},
                                                 {"练习本变化", -1, true, true}}));
    QMenu* practice = entry("练习本变化")->menu();
    std::vector<std::string> texts;
    for (QAction* action : actions(*practice))
        texts.push_back(qStringToGbk(action->text()));
    EXPECT_EQ(texts, (std::vector<std::string>{"执黑练习", "执白练习", "随机方向练习"}));
    // Black is to move on the empty board: its entry is the default.
    ASSERT_NE(practice->defaultAction(), nullptr);
    EXPECT_EQ(qStringToGbk(practice->defaultAction()->text()), "执黑练习");
}

TEST_F(DialogBookMenuTest, TheOptionsTickAndTheJumpsAppearWhereTheyLead)
{
    click(5, 2); // B F17, the line played in the other order
    click(2, 5);
    click(3, 3);
    bookEntries();
    entry("显示同形变化")->trigger();
    EXPECT_TRUE(controller().book().showsTranspositions());
    EXPECT_EQ(bookEntries(), (std::vector<Shown>{{"显示同形变化", 1, true, false},
                                                 {"转到同形变化", -1, true, false},
                                                 {"试下时对照定式", 0, true, false},
                                                 {"练习本变化", -1, true, true}}));
    entry("转到同形变化")->trigger();
    EXPECT_EQ(controller().engine().cursor, test::nodeAt(controller().engine().root, {"dd", "cf", "fc"}));

    entry("试下时对照定式")->trigger();
    dialog->controller().onTrialStart();
    click(2, 7); // W C12: still in the book
    const std::vector<Shown> inTrial = bookEntries();
    // No jump to another place while the book is not shown, none to the book before the option.
    EXPECT_EQ(inTrial, (std::vector<Shown>{{"显示同形变化", 1, true, false},
                                           {"试下时对照定式", 1, true, false},
                                           {"回到定式", -1, true, false},
                                           {"练习本变化", -1, false, true}}));
    entry("回到定式")->trigger();
    EXPECT_EQ(controller().display().trialMode, 0);
    EXPECT_EQ(controller().engine().cursor, test::nodeAt(controller().engine().root, {"dd", "cf", "fc", "ch"}));
}

TEST_F(DialogBookMenuTest, EscEndsPracticeAndOnlyThenTheWindow)
{
    click(3, 3); // B D16
    bookEntries();
    entry("练习本变化")->menu()->defaultAction()->trigger();
    ASSERT_TRUE(controller().practising());
    EXPECT_EQ(controller().book().practice().setup().student, kWhite);
    EXPECT_EQ(bookEntries().back(), (Shown{"结束练习\tEsc", -1, true, false}));

    QTest::keyClick(dialog->windowHandle(), Qt::Key_Escape);
    EXPECT_FALSE(controller().practising());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(controller().engine().stoneCount, 1);

    QTest::keyClick(dialog->windowHandle(), Qt::Key_Escape);
    EXPECT_TRUE(waitUntil([this] { return !dialog->isVisible(); }));
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

} // namespace
} // namespace joseki
