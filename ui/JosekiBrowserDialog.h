#pragma once

#include "ui/BackgroundMenu.h"
#include "ui/DialogControls.h"
#include "ui/QtMessagePump.h"
#include "ui/controller/BoardInput.h"
#include "ui/controller/BrowserController.h"
#include "ui/controller/BrowserView.h"
#include "ui/controller/ControlIds.h"
#include "ui/controller/LayoutMath.h"

#include <QCursor>
#include <QDialog>
#include <QFont>

#include <array>
#include <functional>
#include <optional>

class QMenu;

namespace joseki {

class MessageService;
class JosekiBrowserDialog;

// Places where the splash window, the link labels and the acknowledgement
// dialog plug into the main dialog. An empty hook does nothing.
struct DialogHooks {
    // Window creation: shows the start-up splash owned by the dialog.
    std::function<void(QWidget& owner)> showSplash;
    // Initialisation: puts the link labels into the info panel and the website strip.
    std::function<void(JosekiBrowserDialog& dialog)> createLinks;
    // The acknowledgement entry of the window menu, and the hidden 鸣 谢 button.
    std::function<void(QWidget& owner)> openAcknowledgements;
    // The hidden 关 于 button: the About picture.
    std::function<void(QWidget& owner)> showAbout;
    // A frame was drawn (start-up measurements hook in here).
    std::function<void(const JosekiBrowserDialog& dialog)> framePainted;
    // Whether the title picture is up, when a key reaches the dialog.
    std::function<bool()> titlePictureShown;
};

// The main window: template 102 with its controls, the layout that fits the
// board to the screen, mouse, wheel and keys, painting, and the window half
// of the browsing controller (it owns the controller and is its view). The
// focus rests on the dialog itself, the board, at start and after each click
// on the board; the board's keys reach it from every control but those the
// focused 手数 list, speed box or comment box keep for themselves.
class JosekiBrowserDialog : public QDialog, public BrowserView {
    Q_OBJECT
public:
    // Creates the window at its template size and initialises it; the library
    // is loaded by `load` on the first tick of the start-up timer.
    JosekiBrowserDialog(MessageService& messages, BrowserController::LibraryLoad load, DialogHooks hooks = {},
                        QWidget* parent = nullptr);
    ~JosekiBrowserDialog() override;

    BrowserController& controller() { return controller_; }
    const BrowserController& controller() const { return controller_; }
    const Layout& layout() const { return layout_; }
    const QFont& numberFont() const { return numberFont_; }
    const QFont& coordinateFont() const { return coordinateFont_; }

    // The widget of a control, or null for an id the template does not have.
    QWidget* controlWidget(int controlId) const;
    // Template rectangles recorded by placeControls(0), index id - 1011.
    const std::array<Rect, kControlIdSlots>& templateControlRects() const { return templateRects_; }

    // Layout for the screen's work area; with `resize` the window is moved to
    // (0,0) with its new outer size (the size handler then centres it).
    void computeLayout(bool resize);
    // scale 0: record the controls' rectangles; otherwise place them for the scale.
    void placeControls(float scale);
    // The board point owning a client pixel.
    std::optional<Point> pointFromPixel(int x, int y) const;
    // The closing question; true when the answer is Yes.
    bool confirmClose();
    // The cursor rule at a client position: the board cursor over a point,
    // the arrow elsewhere.
    void applyCursorRule(QPoint clientPos);
    // The background's context menu, built from backgroundMenuEntries: the
    // acknowledgement entry (the window menu's extra entry) first.
    QMenu* createWindowMenu(QWidget* parent);

    // Cursor 129 with its hot spot.
    static QCursor boardCursor();
    // The outer window size the layout wants.
    QSize expectedWindowSize() const;

    // --- BrowserView ---
    void setCommentText(const std::string& gbkText) override;
    void setControlCaption(int controlId, const std::string& gbkText) override;
    void enableControl(int controlId, bool enabled) override;
    int selectComboEntry(const std::string& gbkPrefix) override;
    void selectMoveNumberEntry(int index) override;
    void invalidateBoard() override;
    void invalidateAll() override;
    void showWindow() override;
    void writeControlValues(const ControlValues& values) override;
    ControlValues readControlValues() override;
    void beginBusyCursor() override;
    void endBusyCursor() override;
    void copyLine(const BrowsedLine& line) override;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
#ifdef Q_OS_WIN
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
#endif

private:
    void connectCommands();
    void initialiseDialog();
    void onButton(int controlId, void (BrowserController::*command)());
    // A board key, from the dialog or from a control: true when the board
    // took it; false for any other key and for one the focused control keeps.
    bool takeBoardKey(const QKeyEvent& event);
    // The table the background menu is built from.
    std::vector<BackgroundMenu::Entry> backgroundMenuEntries();
    // Its entries for the book's answers: the two options, the jumps they
    // offer, practice and its end.
    std::vector<BackgroundMenu::Entry> bookEntries();
    void runAutoPlay();
    void finishPendingClose();
    void openAcknowledgements();
    // After a resize or a restore: controls for the scale, repaint, centre.
    void afterSizeChange();
    void centreOnScreen();
    void scheduleSizeFix();
    void applyExpectedSize();
    QScreen* currentScreen() const;

    DialogHooks hooks_;
    MessageService& messages_;
    QtMessagePump pump_;
    BrowserController controller_;
    BoardInput input_;
    Layout layout_;
    QFont numberFont_;
    QFont coordinateFont_;
    DialogControls controls_;
    std::array<Rect, kControlIdSlots> templateRects_{};
    int startupTimer_ = 0;
    int busyDepth_ = 0;
    bool splashShown_ = false;
    bool sizeFixPending_ = false;
    bool boardCursorShown_ = false;
    bool questionOpen_ = false;
    bool closePending_ = false;
};

} // namespace joseki
