#include "ui/JosekiBrowserApp.h"

#include "tests/support/RecordingMessageService.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/GbkText.h"
#include "ui/QtMessageService.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QImage>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace joseki {
namespace {

using test::waitUntil;

struct BoxCase {
    const char* name;
    unsigned flags;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

class MessageBoxTest : public ::testing::TestWithParam<BoxCase> {
protected:
    void SetUp() override { test::testApplication(); }
};

TEST_P(MessageBoxTest, BoxHasTheCaptionStaysOnTopAndGetsItsIconAndButtons)
{
    const BoxCase& c = GetParam();
    const std::unique_ptr<QMessageBox> box(QtMessageService::buildBox("有多个分支,请在棋盘上选择", c.flags, nullptr));
    EXPECT_EQ(qStringToGbk(box->windowTitle()), "Kavo围棋定式 4.1 版");
    EXPECT_TRUE(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(box->icon(), c.icon);
    EXPECT_EQ(box->standardButtons(), c.buttons);
    EXPECT_EQ(qStringToGbk(box->text()), "有多个分支,请在棋盘上选择");
    EXPECT_EQ(QtMessageService::effectiveFlags(c.flags) & mb::kTopMost, mb::kTopMost);
}

INSTANTIATE_TEST_SUITE_P(Flags, MessageBoxTest,
                         ::testing::Values(BoxCase{"PlainOk", mb::kOk, QMessageBox::Information, QMessageBox::Ok},
                                           BoxCase{"CloseQuestion", mb::kYesNo | mb::kIconQuestion | mb::kTopMost,
                                                   QMessageBox::Question, QMessageBox::Yes | QMessageBox::No},
                                           BoxCase{"Error", mb::kIconError, QMessageBox::Critical, QMessageBox::Ok},
                                           BoxCase{"OkWithInformation", mb::kIconInformation, QMessageBox::Information,
                                                   QMessageBox::Ok}),
                         [](const ::testing::TestParamInfo<BoxCase>& param) { return std::string(param.param.name); });

TEST(MessageBoxButtons, EveryButtonCarriesTheChineseTextWithItsAccelerator)
{
    test::testApplication();
    struct Case {
        unsigned flags;
        std::vector<std::pair<QMessageBox::StandardButton, std::string>> buttons;
    };
    const Case cases[] = {
        {mb::kOk, {{QMessageBox::Ok, "确定"}}},
        {mb::kIconError, {{QMessageBox::Ok, "确定"}}},
        {mb::kYesNo | mb::kIconQuestion, {{QMessageBox::Yes, "是(&Y)"}, {QMessageBox::No, "否(&N)"}}},
        {0x1, {{QMessageBox::Ok, "确定"}, {QMessageBox::Cancel, "取消"}}},
        {0x2, {{QMessageBox::Abort, "中止(&A)"}, {QMessageBox::Retry, "重试(&R)"}, {QMessageBox::Ignore, "忽略(&I)"}}},
        {0x3, {{QMessageBox::Yes, "是(&Y)"}, {QMessageBox::No, "否(&N)"}, {QMessageBox::Cancel, "取消"}}},
        {0x5, {{QMessageBox::Retry, "重试(&R)"}, {QMessageBox::Cancel, "取消"}}},
    };
    for (const Case& c : cases) {
        const std::unique_ptr<QMessageBox> box(
            QtMessageService::buildBox("有多个分支,请在棋盘上选择", c.flags, nullptr));
        ASSERT_EQ(box->buttons().size(), static_cast<qsizetype>(c.buttons.size())) << c.flags;
        for (const auto& [which, text] : c.buttons) {
            ASSERT_NE(box->button(which), nullptr) << c.flags;
            EXPECT_EQ(qStringToGbk(box->button(which)->text()), text) << c.flags;
        }
    }
}

TEST(MessageBoxButtons, YAndNAnswerTheClosingQuestion)
{
    test::testApplication();
    QtMessageService service;
    for (const auto& [key, answer] : {std::pair{Qt::Key_Y, mb::kIdYes}, std::pair{Qt::Key_N, mb::kIdNo}}) {
        QTimer::singleShot(50, [key = key] {
            if (QWidget* box = QApplication::activeModalWidget())
                QTest::keyClick(box, key);
        });
        EXPECT_EQ(service.showMessageBox("您确定要退出吗？", mb::kYesNo | mb::kIconQuestion | mb::kTopMost), answer);
    }
}

TEST(MessageBoxButtons, QtsOwnTextsAreChineseWhenItsTranslationsAreInstalled)
{
    test::testApplication();
    JosekiBrowserApp app;
    if (!app.installQtTranslations())
        GTEST_SKIP() << "Qt's Chinese translations are not installed";
    EXPECT_EQ(qStringToGbk(QCoreApplication::translate("QPlatformTheme", "&Yes")), "是(&Y)");
    EXPECT_EQ(qStringToGbk(QCoreApplication::translate("QPlatformTheme", "OK")), "确定");
}

TEST(MessageBoxAnswers, ButtonsMapToThePlatformAnswers)
{
    EXPECT_EQ(QtMessageService::answerFor(QMessageBox::Ok), mb::kIdOk);
    EXPECT_EQ(QtMessageService::answerFor(QMessageBox::Yes), mb::kIdYes);
    EXPECT_EQ(QtMessageService::answerFor(QMessageBox::No), mb::kIdNo);
    EXPECT_EQ(QtMessageService::answerFor(QMessageBox::Cancel), mb::kIdCancel);
    EXPECT_EQ(QtMessageService::answerFor(QMessageBox::NoButton), mb::kIdCancel);
}

TEST(MessageBoxText, ExcerptCutInsideACharacterStillShows)
{
    test::testApplication();
    // "分支" with its last byte cut off, then an unpaired lead byte in the middle.
    const std::string cut = std::string("分支").substr(0, 3);
    EXPECT_EQ(gbkToQString(cut), gbkToQString("分"));
    const std::unique_ptr<QMessageBox> box(QtMessageService::buildBox(cut, mb::kOk, nullptr));
    EXPECT_TRUE(box->text().startsWith(gbkToQString("分")));
    EXPECT_FALSE(gbkToQString(std::string("a\x81z", 3)).isEmpty());
    EXPECT_EQ(qStringToGbk(gbkToQString("鸣谢●Kavo定式")), "鸣谢●Kavo定式");
}

TEST(MessageBoxShown, AnswerIsTheButtonPressedAndTheOwnerIsTheMainWindow)
{
    test::testApplication();
    QWidget owner;
    QtMessageService service;
    service.setOwner(&owner);
    QWidget* parentSeen = nullptr;
    QTimer::singleShot(50, [&parentSeen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        parentSeen = box->parentWidget();
        box->button(QMessageBox::Yes)->click();
    });
    EXPECT_EQ(service.showMessageBox("您确定要退出吗？", mb::kYesNo | mb::kIconQuestion | mb::kTopMost), mb::kIdYes);
    EXPECT_EQ(parentSeen, &owner);
}

class ApplicationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::testApplication();
        app = std::make_unique<JosekiBrowserApp>();
        dialog = std::make_unique<JosekiBrowserDialog>(messages, test::fixtureLoad("ui-browse.sgf"));
        JosekiBrowserApp::applyDialogColours(*dialog);
        ASSERT_TRUE(waitUntil([this] { return dialog->controller().loaded(); }));
    }

    test::RecordingMessageService messages;
    std::unique_ptr<JosekiBrowserApp> app;
    std::unique_ptr<JosekiBrowserDialog> dialog;
};

TEST_F(ApplicationTest, OneApplicationObjectIsReachable)
{
    EXPECT_EQ(JosekiBrowserApp::instance(), app.get());
    EXPECT_EQ(app->mainWindow(), nullptr);
}

TEST_F(ApplicationTest, DialogColoursAreGreyWithBlackTextAndTheTextPanelsLighter)
{
    EXPECT_EQ(dialog->palette().color(QPalette::Window), QColor(206, 206, 206));
    EXPECT_EQ(dialog->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    EXPECT_EQ(dialog->controlWidget(kCommentBox)->palette().color(QPalette::Base), QColor(220, 220, 230));
    EXPECT_EQ(dialog->controlWidget(kHintLine)->palette().color(QPalette::Window), QColor(220, 220, 230));
    EXPECT_EQ(dialog->controlWidget(kMoveNumberLabel)->palette().color(QPalette::Window), QColor(206, 206, 206));
}

// The darkest grey level inside a control, its frame left out: the caption's.
int darkestCaptionGrey(QWidget& control)
{
    constexpr int kFrame = 3;
    const QImage picture = control.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int darkest = 255;
    for (int y = kFrame; y < picture.height() - kFrame; ++y) {
        for (int x = kFrame; x < picture.width() - kFrame; ++x)
            darkest = std::min(darkest, qGray(picture.pixel(x, y)));
    }
    return darkest;
}

TEST_F(ApplicationTest, DisabledControlsGreyTheirCaptionsWhileEnabledOnesStayBlack)
{
    // Black text reaches full black in the middle of a stroke; grey text never
    // gets darker than its grey, and stays well visible on the grey dialog.
    constexpr int kBlackAtMost = 40;
    constexpr int kGreyAtLeast = 100;
    constexpr int kGreyAtMost = 150;
    for (const int id :
         {kCollectButton, kUpBranchButton, kAutoPlayButton, kTenukiButton, kTrialButton, kTrialEndButton, kSpeedEdit}) {
        QWidget* control = dialog->controlWidget(id);
        control->clearFocus();
        control->setEnabled(true);
        const int enabled = darkestCaptionGrey(*control);
        control->setEnabled(false);
        const int disabled = darkestCaptionGrey(*control);
        EXPECT_LE(enabled, kBlackAtMost) << id;
        EXPECT_GE(disabled, kGreyAtLeast) << id;
        EXPECT_LE(disabled, kGreyAtMost) << id;
    }
    EXPECT_EQ(dialog->palette().color(QPalette::Active, QPalette::ButtonText), QColor(0, 0, 0));
    EXPECT_EQ(dialog->palette().color(QPalette::Inactive, QPalette::ButtonText), QColor(0, 0, 0));
}

TEST_F(ApplicationTest, PressTakenByTheSplashRelayIsNotDeliveredButTheNextIs)
{
    int offered = 0;
    bool splashShown = true;
    app->relayToSplash = [&](QObject*, QEvent*) {
        ++offered;
        const bool consume = splashShown;
        splashShown = false;
        return consume;
    };
    auto* check = static_cast<QCheckBox*>(dialog->controlWidget(kCoordinatesCheck));
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_TRUE(check->isChecked());
    EXPECT_EQ(dialog->controller().display().showCoordinates, 1);
    EXPECT_GE(offered, 1);
    // Nothing keeps the mouse: the next click reaches the box as usual.
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_FALSE(check->isChecked());
    EXPECT_EQ(dialog->controller().display().showCoordinates, 0);
}

TEST_F(ApplicationTest, KeyTakenByTheSplashRelayDoesNotCloseTheWindow)
{
    dialog->show();
    bool splashShown = true;
    app->relayToSplash = [&](QObject*, QEvent* event) {
        const bool consume = splashShown && event->type() == QEvent::KeyPress;
        if (consume)
            splashShown = false;
        return consume;
    };
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(ApplicationTest, ReleasesAndMovesAreNotOfferedToTheRelay)
{
    int offered = 0;
    app->relayToSplash = [&](QObject*, QEvent*) {
        ++offered;
        return false;
    };
    QTest::mouseMove(dialog.get(), QPoint(5, 5));
    QEvent release(QEvent::MouseButtonRelease);
    EXPECT_FALSE(app->preTranslate(dialog.get(), &release));
    EXPECT_EQ(offered, 0);
}

} // namespace
} // namespace joseki
