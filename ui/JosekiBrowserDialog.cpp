#include "ui/JosekiBrowserDialog.h"

#include "core/MessageService.h"
#include "library/SgfLineWriter.h"
#include "ui/BoardKeys.h"
#include "ui/BoardPainter.h"
#include "ui/DialogResources.h"
#include "ui/DialogTemplate.h"
#include "ui/FontWithCellHeight.h"
#include "ui/GbkText.h"
#include "ui/UiTexts.h"
#include "ui/UpDownControl.h"
#include "ui/controller/ControllerTexts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimerEvent>
#include <QWheelEvent>

#include <algorithm>
#include <utility>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace joseki {

namespace {

constexpr const char* kCopyLineKey = "Ctrl+C";
constexpr const char* kEscapeKey = "Esc";
constexpr int kStartupTimerPeriodMs = 10;
constexpr int kMinimumSpeed = 1;
constexpr int kMaximumSpeed = 10;

constexpr const char* kNumberFace = "Arial";
constexpr int kNumberWeight = 900;
constexpr int kCoordinateWeight = 400;

#ifdef Q_OS_WIN
// Command identifier of the acknowledgement entry in the system menu.
constexpr UINT kAcknowledgementCommand = 16;
constexpr UINT kSystemCommandMask = 0xFFF0;
#endif

} // namespace

JosekiBrowserDialog::JosekiBrowserDialog(MessageService& messages, BrowserController::LibraryLoad load,
                                         DialogHooks hooks, QWidget* parent)
    : QDialog(parent), hooks_(std::move(hooks)), messages_(messages),
      controller_(*this, pump_, messages, std::move(load)), input_(controller_)
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(gbkToQString(DialogTemplate::caption()));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFont(DialogTemplate::font());
    setFixedSize(dialogUnitsToPixelsX(DialogTemplate::kWidthUnits), dialogUnitsToPixelsY(DialogTemplate::kHeightUnits));

    controls_.create(*this);
    connectCommands();
    initialiseDialog();
    // The board has the focus from the start, so its keys work at once; a
    // control that would take it first (the 手数 list) would eat them.
    setFocusPolicy(Qt::StrongFocus);
    setFocus(Qt::OtherFocusReason);

    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { pump_.endSession(); });
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { pump_.endSession(); });
    if (QScreen* screen = currentScreen()) {
        connect(screen, &QScreen::geometryChanged, this, [this] { computeLayout(true); });
        connect(screen, &QScreen::availableGeometryChanged, this, [this] { computeLayout(true); });
    }
    centreOnScreen();
}

JosekiBrowserDialog::~JosekiBrowserDialog()
{
    while (busyDepth_ > 0)
        endBusyCursor();
}

// --- creation and initialisation ---

void JosekiBrowserDialog::onButton(int controlId, void (BrowserController::*command)())
{
    auto* button = static_cast<QAbstractButton*>(controlWidget(controlId));
    connect(button, &QAbstractButton::clicked, this, [this, command] { (controller_.*command)(); });
}

void JosekiBrowserDialog::connectCommands()
{
    onButton(kCollectButton, &BrowserController::onCollectStones);
    onButton(kUpBranchButton, &BrowserController::onUpBranch);
    onButton(kTenukiButton, &BrowserController::onTenuki);
    onButton(kTrialButton, &BrowserController::onTrialStart);
    onButton(kTrialEndButton, &BrowserController::onTrialEnd);
    onButton(kBackButton, &BrowserController::onBack);
    onButton(kNextButton, &BrowserController::onNext);
    onButton(kTrialRestartButton, &BrowserController::onTrialRestart);
    onButton(kHelpButton, &BrowserController::onHelp);
    onButton(kCoordinatesCheck, &BrowserController::onOptionToggled);
    onButton(kTextureButton, &BrowserController::onOptionToggled);
    connect(static_cast<QAbstractButton*>(controlWidget(kAutoPlayButton)), &QAbstractButton::clicked, this,
            [this] { runAutoPlay(); });
    connect(static_cast<QAbstractButton*>(controlWidget(kAcknowledgeButton)), &QAbstractButton::clicked, this,
            [this] { openAcknowledgements(); });
    connect(static_cast<QAbstractButton*>(controlWidget(kAboutButton)), &QAbstractButton::clicked, this, [this] {
        if (hooks_.showAbout)
            hooks_.showAbout(*this);
    });
    connect(static_cast<QComboBox*>(controlWidget(kMoveNumberCombo)), &QComboBox::activated, this,
            [this](int index) { controller_.onMoveNumberChoice(index); });
}

void JosekiBrowserDialog::initialiseDialog()
{
    const DisplayState& display = controller_.display();
    writeControlValues(ControlValues{display.autoPlaySpeed, display.showCoordinates, display.boardTexture});
    // The acknowledgement entry lives in the background's context menu here
    // (and in the system menu on Windows, added once the window exists).
    setWindowIcon(DialogResources::appIcon());
    static_cast<UpDownControl*>(controlWidget(kSpeedSpin))->setRange(kMinimumSpeed, kMaximumSpeed);
    controller_.initialise();
    if (hooks_.createLinks)
        hooks_.createLinks(*this);
    placeControls(0.0F);
    computeLayout(false);
    startupTimer_ = startTimer(kStartupTimerPeriodMs);
}

QWidget* JosekiBrowserDialog::controlWidget(int controlId) const { return controls_.widget(controlId); }

// --- layout ---

QScreen* JosekiBrowserDialog::currentScreen() const
{
    QScreen* own = screen();
    return own != nullptr ? own : QGuiApplication::primaryScreen();
}

void JosekiBrowserDialog::computeLayout(bool resize)
{
    QScreen* screen = currentScreen();
    if (screen == nullptr)
        return;
    layout_ = joseki::computeLayout(screen->availableGeometry().height(), screen->geometry().height());
    const QString face = QString::fromLatin1(kNumberFace);
    coordinateFont_ = fontWithCellHeight(face, layout_.coordinateFontHeight, kCoordinateWeight);
    numberFont_ = fontWithCellHeight(face, layout_.numberFontHeight, kNumberWeight);
    if (resize)
        applyExpectedSize();
}

QSize JosekiBrowserDialog::expectedWindowSize() const
{
    return {layout_.expectedWindowWidth, layout_.expectedWindowHeight};
}

void JosekiBrowserDialog::placeControls(float scale)
{
    for (const auto& [id, widget] : controls_.all()) {
        Rect& recorded = templateRects_[static_cast<std::size_t>(id - kFirstControlId)];
        if (scale == 0.0F) {
            const QRect geometry = widget->geometry();
            recorded = Rect{geometry.left(), geometry.top(), geometry.left() + geometry.width(),
                            geometry.top() + geometry.height()};
            continue;
        }
        const Rect placed = placeControl(id, recorded, scale, layout_);
        widget->setGeometry(placed.left, placed.top, placed.width(), placed.height());
        widget->update();
    }
}

std::optional<Point> JosekiBrowserDialog::pointFromPixel(int x, int y) const
{
    return joseki::pointFromPixel(layout_, x, y);
}

void JosekiBrowserDialog::applyExpectedSize()
{
    sizeFixPending_ = false;
    // The layout sizes the outer window; Qt sizes the client area.
    const QSize frameExtra = frameGeometry().size() - geometry().size();
    const QSize client = expectedWindowSize() - frameExtra;
    if (client.width() <= 0 || client.height() <= 0)
        return;
    // Move first: the size handler centres the window, and a move after the
    // resize would undo that.
    move(0, 0);
    const bool sizeChanges = size() != client;
    setFixedSize(client);
    show();
    raise();
    if (!sizeChanges)
        afterSizeChange();
}

void JosekiBrowserDialog::scheduleSizeFix()
{
    if (sizeFixPending_)
        return;
    sizeFixPending_ = true;
    QMetaObject::invokeMethod(this, &JosekiBrowserDialog::applyExpectedSize, Qt::QueuedConnection);
}

void JosekiBrowserDialog::centreOnScreen()
{
    QScreen* screen = currentScreen();
    if (screen == nullptr)
        return;
    const QRect area = screen->availableGeometry();
    const QRect frame = frameGeometry();
    const int left = (area.left() + area.left() + area.width()) / 2 - frame.width() / 2;
    const int top = (area.top() + area.top() + area.height()) / 2 - frame.height() / 2;
    // Keep the title bar reachable when the window is larger than the area.
    move(std::max(area.left(), std::min(left, area.left() + area.width() - frame.width())),
         std::max(area.top(), std::min(top, area.top() + area.height() - frame.height())));
}

void JosekiBrowserDialog::afterSizeChange()
{
    if (isMinimized() || height() == 0)
        return;
    placeControls(static_cast<float>(layout_.layoutScale));
    update();
    centreOnScreen();
}

// --- window events ---

void JosekiBrowserDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (splashShown_)
        return;
    splashShown_ = true;
#ifdef Q_OS_WIN
    if (HMENU systemMenu = GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE)) {
        AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(systemMenu, MF_STRING, kAcknowledgementCommand,
                    reinterpret_cast<LPCWSTR>(gbkToQString(uiTexts::kAcknowledgementEntry).utf16()));
    }
#endif
    if (hooks_.showSplash)
        hooks_.showSplash(*this);
}

void JosekiBrowserDialog::paintEvent(QPaintEvent*)
{
    if (isMinimized())
        return;
    // Size guard: the first paint finds the template size; draw nothing and
    // let the resize bring the paint that draws.
    if (frameGeometry().width() != layout_.expectedWindowWidth) {
        scheduleSizeFix();
        return;
    }
    const BoardScene scene = controller_.beginPaint();
    const QImage frame = BoardPainter::paintBoard(PaintInput{scene, layout_, numberFont_, coordinateFont_}, size());
    QPainter painter(this);
    painter.drawImage(0, 0, frame);
    painter.end();
    if (hooks_.framePainted)
        hooks_.framePainted(*this);
}

void JosekiBrowserDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    afterSizeChange();
}

void JosekiBrowserDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    // Restored from the task bar: centred again, as after any resize.
    if ((change->oldState() & Qt::WindowMinimized) != 0 && !isMinimized())
        afterSizeChange();
}

void JosekiBrowserDialog::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != startupTimer_) {
        QDialog::timerEvent(event);
        return;
    }
    killTimer(startupTimer_);
    startupTimer_ = 0;
    controller_.completeStartup();
}

void JosekiBrowserDialog::applyCursorRule(QPoint clientPos)
{
    const bool onBoard = pointFromPixel(clientPos.x(), clientPos.y()).has_value();
    if (onBoard == boardCursorShown_ && testAttribute(Qt::WA_SetCursor))
        return;
    boardCursorShown_ = onBoard;
    setCursor(onBoard ? boardCursor() : QCursor(Qt::ArrowCursor));
}

void JosekiBrowserDialog::mouseMoveEvent(QMouseEvent* event)
{
    applyCursorRule(event->position().toPoint());
    QDialog::mouseMoveEvent(event);
}

void JosekiBrowserDialog::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (const std::optional<Point> point = pointFromPixel(pos.x(), pos.y())) {
        setFocus(Qt::MouseFocusReason);
        if (event->button() == Qt::LeftButton)
            controller_.choosePoint(point->col, point->row);
        else if (event->button() == Qt::RightButton)
            controller_.onBack();
    }
    QDialog::mouseReleaseEvent(event);
}

void JosekiBrowserDialog::wheelEvent(QWheelEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (!pointFromPixel(pos.x(), pos.y()).has_value()) {
        QDialog::wheelEvent(event);
        return;
    }
    event->accept();
    input_.turnWheel(event->angleDelta().y());
}

bool JosekiBrowserDialog::takeBoardKey(const QKeyEvent& event)
{
    const std::optional<KeyStroke> stroke = BoardKeys::strokeOf(event);
    if (!stroke || controls_.keepsKey(QApplication::focusWidget(), event, *stroke))
        return false;
    // The key is the board's even when its command cannot run now: a focused
    // button does not move the focus with it instead.
    input_.pressKey(*stroke, hooks_.titlePictureShown && hooks_.titlePictureShown());
    // A close confirmed during an auto-play started by a key takes effect now.
    finishPendingClose();
    return true;
}

void JosekiBrowserDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter does nothing: there is no default button.
        event->accept();
        return;
    case Qt::Key_Escape:
        // Esc ends the window without asking, but not from inside the pauses
        // of auto-play, where the dialog keys are not interpreted; during
        // practice it ends the practice instead.
        event->accept();
        if (controller_.practising())
            controller_.onPracticeEnd();
        else if (!controller_.autoPlayRunning())
            reject();
        return;
    default:
        if (takeBoardKey(*event))
            event->accept();
        else
            QDialog::keyPressEvent(event);
    }
}

bool JosekiBrowserDialog::confirmClose()
{
    const int answer = messages_.showMessageBox(uiTexts::kCloseQuestion, mb::kYesNo | mb::kIconQuestion | mb::kTopMost);
    return answer == mb::kIdYes;
}

void JosekiBrowserDialog::closeEvent(QCloseEvent* event)
{
    // A second close while the question is open is the same request.
    if (questionOpen_) {
        event->ignore();
        return;
    }
    questionOpen_ = true;
    const bool yes = confirmClose();
    questionOpen_ = false;
    if (!yes) {
        event->ignore();
        return;
    }
    // The close came through the message pump of auto-play: the command is
    // still on the stack and uses this window, so the window stays until it
    // has returned.
    if (controller_.autoPlayRunning()) {
        controller_.requestStop();
        closePending_ = true;
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void JosekiBrowserDialog::runAutoPlay()
{
    controller_.onAutoPlay();
    finishPendingClose();
}

void JosekiBrowserDialog::finishPendingClose()
{
    if (!closePending_ || controller_.autoPlayRunning())
        return;
    closePending_ = false;
    reject();
}

void JosekiBrowserDialog::openAcknowledgements()
{
    if (hooks_.openAcknowledgements)
        hooks_.openAcknowledgements(*this);
}

std::vector<BackgroundMenu::Entry> JosekiBrowserDialog::backgroundMenuEntries()
{
    std::vector<BackgroundMenu::Entry> entries{
        {uiTexts::kAcknowledgementEntry, nullptr, [this] { openAcknowledgements(); }},
        {uiTexts::kCopyLineText, kCopyLineKey, [this] { controller_.onCopyLine(); }, true},
    };
    for (BackgroundMenu::Entry& entry : bookEntries())
        entries.push_back(std::move(entry));
    return entries;
}

std::vector<BackgroundMenu::Entry> JosekiBrowserDialog::bookEntries()
{
    using namespace controllerTexts;
    BrowserController& c = controller_;
    const BookAnswers& book = c.book();
    std::vector<BackgroundMenu::Entry> entries{{.text = kShowTranspositionsEntry,
                                                .run = [&c] { c.onToggleTranspositions(); },
                                                .separatorBefore = true,
                                                .checked = book.showsTranspositions()}};
    // The jumps are offered where they lead somewhere.
    if (c.browsing() && book.transpositionTarget() != nullptr)
        entries.push_back({.text = kGoToTranspositionEntry, .run = [&c] { c.onGoToTransposition(); }});
    entries.push_back(
        {.text = kTrialCheckEntry, .run = [&c] { c.onToggleTrialCheck(); }, .checked = book.checksTrial()});
    if (c.display().trialMode != 0 && book.trialBookNode() != nullptr)
        entries.push_back({.text = kBackToBookEntry, .run = [&c] { c.onBackToBook(); }});
    const bool blackToMove = book.sideToMoveAtCursor() == kBlack;
    entries.push_back(
        {.text = kPracticeEntry,
         .separatorBefore = true,
         .enabled = c.browsing() && book.canPractise(),
         .submenu = {{.text = kPracticeBlackEntry, .run = [&c] { c.onPractice(kBlack); }, .isDefault = blackToMove},
                     {.text = kPracticeWhiteEntry, .run = [&c] { c.onPractice(kWhite); }, .isDefault = !blackToMove},
                     {.text = kRandomPracticeEntry, .run = [&c] { c.onRandomPractice(); }, .separatorBefore = true}}});
    if (c.practising())
        entries.push_back({.text = kEndPracticeEntry, .keyHint = kEscapeKey, .run = [&c] { c.onPracticeEnd(); }});
    return entries;
}

QMenu* JosekiBrowserDialog::createWindowMenu(QWidget* parent)
{
    return BackgroundMenu::create(backgroundMenuEntries(), parent);
}

void JosekiBrowserDialog::contextMenuEvent(QContextMenuEvent* event)
{
    QPoint at = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard) {
        // From the menu key: beside the board, under the hint line.
        const QWidget* hint = controlWidget(kHintLine);
        at = hint->mapToGlobal(QPoint(0, hint->height()));
    } else if (pointFromPixel(event->pos().x(), event->pos().y()).has_value()) {
        // A right click on the board steps back on release; no menu there.
        event->accept();
        return;
    }
    QMenu* menu = createWindowMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(at);
}

bool JosekiBrowserDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Controls that leave the cursor to the window get it from the cursor rule.
    if (event->type() == QEvent::Enter)
        applyCursorRule(mapFromGlobal(QCursor::pos()));
    // The board's keys reach it from every control.
    if (event->type() == QEvent::KeyPress && takeBoardKey(*static_cast<QKeyEvent*>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

#ifdef Q_OS_WIN
bool JosekiBrowserDialog::nativeEvent(const QByteArray& eventType, void* message, qintptr* result)
{
    const auto* msg = static_cast<const MSG*>(message);
    if (msg->message == WM_SYSCOMMAND &&
        (static_cast<UINT>(msg->wParam) & kSystemCommandMask) == kAcknowledgementCommand) {
        openAcknowledgements();
        *result = 0;
        return true;
    }
    return QDialog::nativeEvent(eventType, message, result);
}
#endif

QCursor JosekiBrowserDialog::boardCursor() { return DialogResources::boardCursor(); }

// --- BrowserView ---

void JosekiBrowserDialog::setCommentText(const std::string& gbkText) { controls_.setCommentText(gbkText); }

void JosekiBrowserDialog::setControlCaption(int controlId, const std::string& gbkText)
{
    controls_.setCaption(controlId, gbkText);
}

void JosekiBrowserDialog::enableControl(int controlId, bool enabled)
{
    QWidget* widget = controlWidget(controlId);
    if (widget == nullptr)
        return;
    // A disabled control would hand the focus on to the next one in the tab
    // order, the 手数 list, which keeps the arrows; it goes back to the board.
    if (!enabled && widget->hasFocus())
        setFocus(Qt::OtherFocusReason);
    widget->setEnabled(enabled);
}

int JosekiBrowserDialog::selectComboEntry(const std::string& gbkPrefix) { return controls_.selectEntry(gbkPrefix); }

void JosekiBrowserDialog::selectMoveNumberEntry(int index) { controls_.selectEntry(index); }

void JosekiBrowserDialog::invalidateBoard()
{
    const Rect& band = layout_.bandedBoardRect;
    update(QRect(band.left, band.top, band.width(), band.height()));
}

void JosekiBrowserDialog::invalidateAll() { update(); }

void JosekiBrowserDialog::showWindow()
{
    if (!isVisible())
        show();
}

void JosekiBrowserDialog::writeControlValues(const ControlValues& values) { controls_.writeValues(values); }

ControlValues JosekiBrowserDialog::readControlValues() { return controls_.readValues(); }

void JosekiBrowserDialog::beginBusyCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++busyDepth_;
}

void JosekiBrowserDialog::endBusyCursor()
{
    if (busyDepth_ == 0)
        return;
    QApplication::restoreOverrideCursor();
    --busyDepth_;
}

void JosekiBrowserDialog::copyLine(const BrowsedLine& line)
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(SgfLineWriter::write(line)));
}

} // namespace joseki
