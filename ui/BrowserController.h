#pragma once

#include "core/JosekiEngine.h"
#include "core/TrialBoard.h"
#include "ui/BrowserView.h"

#include <functional>
#include <string>

namespace joseki {

class MessageService;

// The logic half of the main dialog: browsing state, every command, the
// common refresh and auto-play. Plain C++ against BrowserView, so it runs in
// tests without a window.
class BrowserController {
public:
    // Loads the library into the engine at start-up (the application passes the
    // container loader on its own executable; tests pass a fixture).
    using LibraryLoad = std::function<void(JosekiEngine&)>;

    BrowserController(BrowserView& view, MessageService& messages, LibraryLoad load);

    // Dialog initialisation: speed 5, members written to the controls.
    void initialise();

    // --- commands (each does nothing before the library is loaded or after a
    // stop; those that move the cursor also need the load to have given a tree) ---
    void onCollectStones();             // 收子
    void onUpBranch();                  // 上分支
    void onTenuki();                    // 脱先
    void onAutoPlay();                  // 自动进行
    void onMoveNumberChoice(int index); // combo 1029 selection changed
    void onTrialStart();                // 试下 / 重新试下
    void onTrialEnd();                  // 试下结束
    void onOptionToggled();             // 坐标 / 棋盘纹
    void choosePoint(int col, int row); // left click on a board point
    void onBack();                      // "<" and right click on the board
    void onNext();                      // ">"
    void onTrialRestart();              // hidden 重新试下
    void onHelp();                      // hidden 帮 助
    // First tick of timer 1: welcome text, move-number choice, load, refresh.
    void completeStartup();

    // Comment box, enabled states, caption of 1030, board repaint request.
    void refreshControls();
    // Puts the cursor node's comment and name into the comment box.
    void showNodeText();
    // Waits while dispatching window messages (auto-play pauses).
    void waitWithMessages(int ms);
    // Dispatches the messages pending now; at session end exits with status 1
    // and then behaves as after requestStop.
    void pumpMessages();

    // The window is closing: a running auto-play (nested ones included) leaves
    // its current pause at once and calls nothing of the window afterwards but
    // endBusyCursor, so the window must outlive the loop. Commands then do nothing.
    void requestStop();
    bool autoPlayRunning() const { return autoPlayDepth_ > 0; }
    // True once a stop was requested or the session ended: commands do nothing.
    bool stopRequested() const { return stopRequested_; }

    // Pause after an auto-play step: trunc(3500 / sqrt(speed)) milliseconds,
    // with the speed kept to 1..10.
    static int autoPlayPause(int speed);
    // moveNumberMode for a combo index, or -1 for an invalid index.
    static int moveNumberModeForIndex(int index);

    // --- state read by the painter and the window ---
    JosekiEngine engine;
    TrialBoard trialBoard;
    int autoPlaySpeed = 0;
    int moveNumberMode = 5;
    int showCoordinates = 1;
    int boardTexture = 0;
    int trialMode = 0;
    bool loaded = false;
    Rect frameRect{}; // set by the layout step; invalidated by refreshControls

private:
    void readValuesFromControls();
    bool autoPlayGroupEnabled() const;
    // Loaded and not stopping: commands may act.
    bool acceptsCommands() const;
    // acceptsCommands and the engine has a cursor (the load gave a tree).
    bool hasCursor() const;

    BrowserView& view_;
    MessageService& messages_;
    LibraryLoad load_;
    int autoPlayDepth_ = 0;
    bool stopRequested_ = false;
    bool startupBegun_ = false;
};

} // namespace joseki
