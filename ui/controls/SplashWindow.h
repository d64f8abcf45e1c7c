#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>

class QEvent;

namespace joseki {

// The title picture in a frameless window in front of the program: shown
// briefly at start-up and on demand as the About picture. It stays in front
// of the program's windows for its whole life, also when one of them is
// shown, raised, moved or resized under it. It closes when its lifetime runs
// out or at the first key or mouse-button press anywhere in the program, and
// that press goes no further. At most one exists at a time.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    // Lifetimes: the start-up picture, and the About picture once asked for.
    static constexpr int kStartupLifetimeMs = 1200;
    static constexpr int kAboutLifetimeMs = 600000;
    // The title picture, 528 x 263 pixels.
    static constexpr const char* kPicturePath = ":/res/156.png";

    // Clears the process-wide pointer if it still names this window.
    ~SplashWindow() override;

    // The picture shown now, or null.
    static SplashWindow* currentSplash();
    // Lifetime given to the next picture, in milliseconds; starts at kStartupLifetimeMs.
    static int splashLifetime();
    // The About requests set kAboutLifetimeMs; the program never sets it back.
    static void setSplashLifetime(int milliseconds);

    // Removes a current picture, then shows a new one owned by `owner` (or by
    // none), centred over the owner when it is visible, else on the screen's
    // work area, painted before returning. A picture that cannot be loaded
    // shows nothing and leaves currentSplash null.
    static void showSplash(QWidget* owner);
    // Takes the current picture away at once, if any, and repaints what it covered.
    static void hideSplash();
    // For the application's event filter, given the event and its receiver:
    // while a picture is up, the first key press or mouse-button press closes
    // it and is consumed (true); the release that follows is still delivered.
    // Everything else, releases, moves and wheel included, is left alone (false).
    static bool relayToSplash(QObject* target, const QEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    // Watches the program's windows while the picture is up (see keepInFront).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SplashWindow(QWidget* owner, const QPixmap& picture);
    void centre();
    // Puts the picture back in front of the program's other windows; those
    // that stay on top keep their place above it.
    void keepInFront();

    QPixmap picture_;
};

} // namespace joseki
