// Live windows: results that follow the inputs, recomputed by a short periodic timer while the
// window is shown, written without flicker and without moving the caret.
#pragma once

#include <QObject>
#include <functional>

class QLabel;
class QLineEdit;
class QTimer;

namespace voltaris::gui {

// The period of every live window's timer: a change shows well within 200 ms.
inline constexpr int kLiveInterval = 100;

// Runs `tick` every kLiveInterval ms while `window` is shown, and once at once each time it is
// shown, so that a window never shows results older than its inputs.
class LiveRefresh : public QObject {
public:
    LiveRefresh(QWidget* window, std::function<void()> tick);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> tick_;
    QTimer* timer_;
};

// Write `text` only when it differs from what the control shows: an unchanged result keeps its
// caret, selection and undo history, and nothing is repainted.
void writeResult(QLineEdit* field, const QString& text);
void writeResult(QLabel* label, const QString& text);

} // namespace voltaris::gui
