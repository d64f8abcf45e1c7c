#include "ui/controls/AboutDialog.h"

#include "tests/support/RecordingMessageService.h"
#include "tests/ui/CaptionInk.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/ControlHooks.h"
#include "ui/GbkText.h"
#include "ui/JosekiBrowserApp.h"
#include "ui/JosekiBrowserDialog.h"
#include "ui/controller/ControlIds.h"
#include "ui/controls/SplashWindow.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

namespace joseki {
namespace {

// Runs `action`, which is expected to open a dialog modally; records that
// dialog's caption and owner and closes it with its OK button.
struct ModalSeen {
    QString caption;
    QWidget* owner = nullptr;
};

std::optional<ModalSeen> modalOpenedBy(const std::function<void()>& action)
{
    std::optional<ModalSeen> seen;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&seen, &poll] {
        auto* dialog = qobject_cast<AboutDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        poll.stop();
        seen = ModalSeen{dialog->windowTitle(), dialog->parentWidget()};
        static_cast<QPushButton*>(dialog->controlWidget(AboutDialog::kOkButtonId))->click();
    });
    poll.start();
    action();
    return seen;
}

TEST(AboutDialogLayoutTest, TemplateSizesTextsAndButton)
{
    test::testApplication();
    AboutDialog dialog;
    EXPECT_EQ(dialog.size(), QSize(431, 249));
    EXPECT_EQ(qStringToGbk(dialog.windowTitle()), "鸣谢 Kavo定式");

    auto* ok = qobject_cast<QPushButton*>(dialog.controlWidget(AboutDialog::kOkButtonId));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(qStringToGbk(ok->text()), "确定");
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(ok->geometry(), QRect(311, 11, 75, 21));

    auto* thanks = qobject_cast<QLabel*>(dialog.controlWidget(AboutDialog::kThanksPanelId));
    ASSERT_NE(thanks, nullptr);
    EXPECT_EQ(thanks->geometry(), QRect(18, 66, 395, 173));
    EXPECT_EQ(thanks->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(qStringToGbk(thanks->text()), AboutDialog::acknowledgementText());

    QStringList statics;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        statics << label->text();
    EXPECT_TRUE(statics.contains(gbkToQString("Kavo定式详解4 ")));
    EXPECT_TRUE(statics.contains(gbkToQString(AboutDialog::creditLine())));
}

TEST(AboutDialogLayoutTest, ThanksAreLinesSeparatedBySingleLineFeedsTheFirstAtTheStart)
{
    const std::string text = AboutDialog::acknowledgementText();
    ASSERT_GT(text.size(), 1U);
    EXPECT_EQ(text.front(), '\n');
    EXPECT_NE(text.back(), '\n');
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_EQ(text.find("\n\n"), std::string::npos);
    EXPECT_GE(std::count(text.begin(), text.end(), '\n'), 3);
}

TEST(AboutDialogLayoutTest, EveryTextFitsItsControl)
{
    test::testApplication();
    AboutDialog dialog;
    auto* ok = static_cast<QPushButton*>(dialog.controlWidget(AboutDialog::kOkButtonId));
    ok->clearFocus();
    const QString okText = ok->text();
    const QSize okInk =
        test::inkInControl(*ok, [&](bool withCaption) { ok->setText(withCaption ? okText : QString()); });
    EXPECT_TRUE(test::isWholeText(okInk, ok->font(), okText)) << okInk.width() << "x" << okInk.height();

    for (const std::string& line : {AboutDialog::productLine(), AboutDialog::creditLine()}) {
        const QString text = gbkToQString(line);
        QLabel* label = nullptr;
        for (QLabel* candidate : dialog.findChildren<QLabel*>()) {
            if (candidate->text() == text)
                label = candidate;
        }
        ASSERT_NE(label, nullptr) << text.toStdString();
        const QSize ink =
            test::inkInControl(*label, [&](bool withCaption) { label->setText(withCaption ? text : QString()); });
        EXPECT_TRUE(test::isWholeText(ink, label->font(), text)) << text.toStdString();
    }

    // The thanks wrap inside their panel and leave no line below its edge.
    auto* thanks = static_cast<QLabel*>(dialog.controlWidget(AboutDialog::kThanksPanelId));
    const QRect room = thanks->contentsRect();
    const QRect needed = thanks->fontMetrics().boundingRect(room, Qt::TextWordWrap, thanks->text());
    EXPECT_LE(needed.height(), room.height());
    EXPECT_LE(needed.width(), room.width());
}

TEST(AboutDialogLayoutTest, OkClosesTheDialog)
{
    test::testApplication();
    AboutDialog dialog;
    QTimer::singleShot(
        0, &dialog, [&dialog] { static_cast<QPushButton*>(dialog.controlWidget(AboutDialog::kOkButtonId))->click(); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
}

// The main dialog with the program's hooks, the splash relay and a library fixture.
class AboutCallersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::testApplication();
        app = std::make_unique<JosekiBrowserApp>();
        installControlHooks(*app);
        app->splashEnabled = true;
        dialog = std::make_unique<JosekiBrowserDialog>(messages, test::fixtureLoad("fixture.sgf"), app->dialogHooks);
        ASSERT_TRUE(test::waitUntil([this] { return dialog->controller().loaded() && dialog->isVisible(); }));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }

    void TearDown() override
    {
        SplashWindow::hideSplash();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // Each test starts as the program does, whatever the one before asked for.
        SplashWindow::setSplashLifetime(SplashWindow::kStartupLifetimeMs);
        dialog.reset();
        app.reset();
    }

    // The link window of the info panel standing at x.
    QWidget* infoLink(int x) const
    {
        for (QWidget* child : dialog->controlWidget(kInfoPanel)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child->property("controlId").isValid() && child->x() == x)
                return child;
        return nullptr;
    }

    // A left press on a widget of the main dialog, delivered the way the window system does.
    void pressOn(QWidget* widget)
    {
        const QPoint at = widget->mapTo(dialog.get(), widget->rect().center());
        QTest::mousePress(dialog->windowHandle(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(dialog->windowHandle(), Qt::LeftButton, {}, at);
    }

    test::RecordingMessageService messages;
    std::unique_ptr<JosekiBrowserApp> app;
    std::unique_ptr<JosekiBrowserDialog> dialog;
};

TEST_F(AboutCallersTest, StartUpShowsTheShortSplashOwnedByTheDialog)
{
    EXPECT_EQ(SplashWindow::splashLifetime(), SplashWindow::kStartupLifetimeMs);
    ASSERT_NE(SplashWindow::currentSplash(), nullptr);
    EXPECT_EQ(SplashWindow::currentSplash()->parentWidget(), dialog.get());
}

TEST_F(AboutCallersTest, AllThreeCallersOpenTheAcknowledgementDialog)
{
    SplashWindow::hideSplash();
    const QString caption = gbkToQString("鸣谢 Kavo定式");
    const std::function<void()> callers[] = {
        [this] {
            std::unique_ptr<QMenu> menu(dialog->createWindowMenu(dialog.get()));
            ASSERT_FALSE(menu->actions().isEmpty());
            EXPECT_EQ(qStringToGbk(menu->actions().first()->text()), "鸣谢●Kavo定式(&A)...");
            menu->actions().first()->trigger();
        },
        [this] { Q_EMIT static_cast<QPushButton*>(dialog->controlWidget(kAcknowledgeButton))->clicked(); },
        [this] { pressOn(infoLink(86)); },
    };
    for (const auto& caller : callers) {
        const std::optional<ModalSeen> seen = modalOpenedBy(caller);
        ASSERT_TRUE(seen.has_value());
        EXPECT_EQ(seen->caption, caption);
        EXPECT_EQ(seen->owner, dialog.get());
    }
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(AboutCallersTest, AboutButtonShowsTheLongPictureOverTheDialog)
{
    Q_EMIT static_cast<QPushButton*>(dialog->controlWidget(kAboutButton))->clicked();
    EXPECT_EQ(SplashWindow::splashLifetime(), SplashWindow::kAboutLifetimeMs);
    ASSERT_NE(SplashWindow::currentSplash(), nullptr);
    EXPECT_EQ(SplashWindow::currentSplash()->parentWidget(), dialog.get());
}

TEST_F(AboutCallersTest, AboutLinkFirstOnlyClosesTheStartUpPictureThenShowsTheAboutPicture)
{
    QWidget* aboutLink = infoLink(34);
    ASSERT_NE(aboutLink, nullptr);
    SplashWindow* startUp = SplashWindow::currentSplash();
    ASSERT_NE(startUp, nullptr);

    pressOn(aboutLink);
    EXPECT_EQ(SplashWindow::currentSplash(), nullptr) << "the press only closed the start-up picture";

    pressOn(aboutLink);
    ASSERT_NE(SplashWindow::currentSplash(), nullptr);
    EXPECT_EQ(SplashWindow::currentSplash()->parentWidget(), nullptr) << "centred on the screen, no owner";
    EXPECT_EQ(SplashWindow::splashLifetime(), SplashWindow::kAboutLifetimeMs);
}

TEST_F(AboutCallersTest, AClickOnACandidateClosesTheStartUpPictureAndPlaysTheMove)
{
    ASSERT_TRUE(
        test::waitUntil([this] { return dialog->frameGeometry().width() == dialog->layout().expectedWindowWidth; }));
    SplashWindow::showSplash(dialog.get());
    const JosekiEngine& engine = dialog->controller().engine();
    ASSERT_GT(engine.candidateCount, 0);
    const VariationNode* before = engine.cursor;
    const Point target = engine.candidates[0];
    const Layout& layout = dialog->layout();
    const QPoint pixel(layout.boardOriginX + target.col * layout.gridSpacing,
                       layout.boardOriginY + target.row * layout.gridSpacing);

    QTest::mousePress(dialog->windowHandle(), Qt::LeftButton, {}, pixel);
    EXPECT_EQ(SplashWindow::currentSplash(), nullptr);
    EXPECT_EQ(engine.cursor, before) << "the press itself does nothing more";
    QTest::mouseRelease(dialog->windowHandle(), Qt::LeftButton, {}, pixel);
    EXPECT_NE(engine.cursor, before) << "the release plays the move";
}

TEST(AboutHooksTest, NoStartUpPictureWhileTheSplashIsSwitchedOff)
{
    test::testApplication();
    JosekiBrowserApp app;
    installControlHooks(app);
    app.splashEnabled = false;
    test::RecordingMessageService messages;
    JosekiBrowserDialog dialog(messages, test::fixtureLoad("fixture.sgf"), app.dialogHooks);
    ASSERT_TRUE(test::waitUntil([&dialog] { return dialog.isVisible(); }));
    EXPECT_EQ(SplashWindow::currentSplash(), nullptr);
}

} // namespace
} // namespace joseki
