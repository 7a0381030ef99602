// The standard boxes and the failure paths of compute buttons and prompt-driven commands.
#pragma once

#include "core/messages.h"
#include "core/outcome.h"
#include "gui/text.h"

#include <QList>
#include <QString>
#include <functional>

class QAction;
class QLineEdit;
class QMenu;
class QWidget;

namespace voltaris::gui {

inline const QString kResultTitle = qs(voltaris::kResultTitle);
inline const QString kInformationTitle = qs(voltaris::kInfoTitle);
inline const QString kWarningTitle = qs(voltaris::kWarningTitle);
inline const QString kEnterValues = qs(warnings::kEnterValues);
inline const QString kEnterValue = qs(warnings::kEnterValue);

// "SONUÇ": the result of a prompt-driven command or a one-line answer (information icon).
void ShowResultBox(QWidget* parent, const QString& text);
// "BİLGİ": information or a hint (information icon).
void ShowInformation(QWidget* parent, const QString& text);
// "UYARI": an input warning (exclamation icon).
void ShowWarning(QWidget* parent, const QString& text);
// A box that a core function described.
void ShowMessage(QWidget* parent, const Message& message);

// The compute button's failure trap. Runs `compute`; when it throws ComputeFailure (a field
// that is not a number, a division by zero, an overflow) the compute ends there, results already
// written stay, every empty field of `tested` turns red while the `title` box shows `message`,
// and then every tested field gets its ordinary background back. True when `compute` finished.
bool MissingInputWarning(QWidget* window, const QList<QLineEdit*>& tested,
                         const std::function<void()>& compute,
                         const QString& message = kEnterValues,
                         const QString& title = kWarningTitle);

// The same failure path for a compute whose core returned its outcome, after the window wrote
// the outcome's texts.
template <class Texts>
bool MissingInputWarning(QWidget* window, const QList<QLineEdit*>& tested,
                         const Outcome<Texts>& outcome, const QString& message = kEnterValues,
                         const QString& title = kWarningTitle) {
    return MissingInputWarning(
        window, tested,
        [failed = outcome.failed] {
            if (failed)
                throw ComputeFailure("the compute stopped at a failing step");
        },
        message, title);
}

// Asks for one value with an input prompt titled with the application's title; every ',' of the
// answer becomes '.'. A cancelled prompt or an answer that is not a number throws
// ComputeFailure.
double PromptNumber(QWidget* parent, const QString& prompt);
// The failure trap of a prompt-driven command: runs `command`; on ComputeFailure shows the
// "UYARI" box with `message`. True when `command` finished.
bool PromptWarning(QWidget* parent, const std::function<void()>& command,
                   const QString& message = kEnterValue);
// A menu item of `window` whose command asks its values with prompts: it runs under
// PromptWarning, so any failure shows `warning`.
QAction* addPromptItem(QWidget* window, QMenu* menu, const QString& name, const QString& caption,
                       const std::function<void()>& command, const QString& warning = kEnterValue);

} // namespace voltaris::gui
