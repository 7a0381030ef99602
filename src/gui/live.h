// Live windows: results that follow the inputs through the controls' own change signals, written
// without flicker and without moving the caret; and the timers that are a window's behaviour.
#pragma once

#include <QTimer>
#include <functional>

class QLabel;
class QLineEdit;

namespace voltaris::gui {

// The period of a window's behaviour timer where the window does not give its own.
inline constexpr int kWindowTimerInterval = 100;

// A timer that is itself a window's behaviour (a field it empties or copies, a look-up it
// repeats), named as the window names it ("Timer1"). It runs `tick` every `interval` ms only
// while `window` is shown, and once at once each time the window is shown, so that a window never
// shows what its timer would already have changed.
class WindowTimer : public QTimer {
public:
    WindowTimer(QWidget* window, const QString& name, std::function<void()> tick,
                int interval = kWindowTimerInterval);

    // Scenarios drive window timers by hand: a timer still runs only while its window is shown,
    // but it times out only when told (fire), never by the wall clock, so that what a scenario
    // checks does not depend on how fast the machine is.
    static void driveByHand(bool byHand) { drivenByHand_ = byHand; }
    // One time-out, as the timer's own would be.
    void fire() { tick_(); }
    // A window whose timer has nothing to do in some state stops it there (`wanted` false), so
    // that an idle window does not wake the program; it runs again while its window is shown.
    void setWanted(bool wanted);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static inline bool drivenByHand_ = false;
    QWidget* window_;
    std::function<void()> tick_;
    bool wanted_ = true;
};

// Write `text` only when it differs from what the control shows: an unchanged result keeps its
// caret, selection and undo history, and nothing is repainted.
void writeResult(QLineEdit* field, const QString& text);
void writeResult(QLabel* label, const QString& text);

} // namespace voltaris::gui
