#pragma once

#include "core/BrowsedLine.h"
#include "core/JosekiEngine.h"
#include "core/TrialBoard.h"
#include "ui/controller/BoardScene.h"
#include "ui/controller/BookAnswers.h"
#include "ui/controller/BrowserView.h"
#include "ui/controller/ControlIds.h"
#include "ui/controller/DisplayState.h"
#include "ui/controller/MessagePump.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>

namespace joseki {

class MessageService;

// The logic half of the main dialog: browsing state, every command, the
// common refresh and auto-play, and the one owner of the display state and
// of what each frame of the board shows. Plain C++ against BrowserView and
// MessagePump, so it runs in tests without a window.
class BrowserController {
public:
    // Loads the library into the engine at start-up (the application passes the
    // container loader on its own executable; tests pass a fixture).
    using LibraryLoad = std::function<void(JosekiEngine&)>;

    // `randomSeed` starts the random choices of practice (tests fix it).
    BrowserController(BrowserView& view, MessagePump& pump, MessageService& messages, LibraryLoad load,
                      std::uint32_t randomSeed = std::random_device{}());

    // Dialog initialisation: speed 5, members written to the controls.
    void initialise();

    // --- commands (each does nothing before the library is loaded or after a
    // stop; those that move the cursor also need the load to have given a tree) ---
    void onCollectStones();             // 收子
    void onUpBranch();                  // 上分支
    void onTenuki();                    // 脱先
    void onAutoPlay();                  // 自动进行
    void onMoveNumberChoice(int index); // combo 1029 selection changed
    void onTrialStart();                // 试下 / 重新试下; ends a running auto-play
    void onTrialEnd();                  // 试下结束
    void onOptionToggled();             // 坐标 / 棋盘纹
    void choosePoint(int col, int row); // left click on a board point
    void onBack();                      // "<" and right click on the board
    void onNext();                      // ">"
    void onTrialRestart();              // hidden 重新试下
    void onHelp();                      // hidden 帮 助

    // --- commands of the keys, the wheel and the background menu ---
    void onForward();                // the highlighted candidate, or the only continuation
    void onHighlightNext();          // highlight the next candidate on the board, in sibling order
    void onToBranchPoint();          // the forced moves at once, to the next branch point
    void onLabel(char letter);       // the candidate under a label, either case
    void onMoveNumberStep(int step); // the 手数 entry `step` places away, when there is one
    void onToggleCoordinates();      // as a click on 坐标
    void onCycleTexture();           // as a click on 棋盘纹
    void onCopyLine();               // the line the board shows to the clipboard as standard SGF

    // --- the book's answers: options and entries of the background menu, Esc in practice ---
    void onToggleTranspositions();        // 显示同形变化
    void onToggleTrialCheck();            // 试下时对照定式
    void onGoToTransposition();           // 转到同形变化: the next place of the browsed position
    void onBackToBook();                  // 回到定式: trial play ends at the book node of its position
    void onPractice(std::int8_t student); // 练习本变化, the student playing black or white
    void onRandomPractice();              // 随机方向练习
    void onPracticeEnd();                 // Esc or the menu: back to the position practice started from

    // First tick of timer 1: welcome text, move-number choice, load, refresh.
    void completeStartup();

    // Comment box, enabled states, caption of 1030, board repaint request.
    void refreshControls();
    // A frame of the board is about to be drawn: the scene to draw. A texture
    // outside 0..2 is reset to 0, and a book position sets the tenuki button.
    BoardScene beginPaint();
    // Puts the cursor node's comment and name into the comment box, with the
    // other places of its position when 显示同形变化 is on.
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

    // --- published state, read by the window and by tests ---
    const JosekiEngine& engine() const { return engine_; }
    const TrialBoard& trialBoard() const { return trialBoard_; }
    const DisplayState& display() const { return display_; }
    // The first tick has loaded the library (with or without a tree).
    bool loaded() const { return loaded_; }
    // The line the board shows: the book nodes from the root to the cursor
    // (in trial play, to where the trial began) and the trial moves.
    BrowsedLine browsedLine() const;
    // The control as the controller last set it; the template's state before.
    bool controlEnabled(int controlId) const;
    // The book is shown and has a cursor (no trial play, no practice).
    bool browsing() const;
    // The book's answers: the options, the index, practice.
    const BookAnswers& book() const { return book_; }
    bool practising() const { return book_.practising(); }
    // The first candidate on the board whose label is the letter, either case.
    std::optional<Point> labelledCandidate(char letter) const;
    // The highlighted candidate, while the highlight belongs to the cursor.
    std::optional<Point> highlightedCandidate() const;
    // Index of the current move-number choice in the 手数 list, or -1.
    int moveNumberIndex() const;

private:
    void readValuesFromControls();
    bool autoPlayGroupEnabled() const;
    // Enables or disables a control and remembers it.
    void enable(int controlId, bool enabled);
    // Loaded and not stopping: commands may act.
    bool acceptsCommands() const;
    // acceptsCommands, the load gave a tree and no practice covers the book, so the cursor can move.
    bool canMoveCursor() const;
    // A running auto-play ends after its pause: trial play or practice has begun.
    void endAutoPlay();
    // Switches one option of the book's answers, then refreshes.
    void toggleBookOption(void (BookAnswers::*toggle)());
    // Practice from the browsed position, when it can begin: the student on
    // that colour, or in a random orientation.
    void startPractice(std::optional<std::int8_t> student);

    JosekiEngine engine_;
    TrialBoard trialBoard_;
    DisplayState display_;
    BrowserView& view_;
    MessagePump& pump_;
    MessageService& messages_;
    LibraryLoad load_;
    int autoPlayDepth_ = 0;
    // Trial play began during auto-play: every running loop ends after its pause.
    bool autoPlayEnding_ = false;
    bool loaded_ = false;
    bool stopRequested_ = false;
    bool startupBegun_ = false;
    std::array<bool, kControlIdSlots> controlEnabled_{};
    // The book node trial play began from.
    const VariationNode* trialStart_ = nullptr;
    // The node whose candidates the highlight counts.
    const VariationNode* highlightNode_ = nullptr;
    BookAnswers book_;
};

} // namespace joseki
