#include "scenario/scripted_dialogs.h"

#include "gui/colours.h"
#include "scenario/output.h"

#include <QLineEdit>
#include <QWidget>
#include <utility>

namespace voltaris::scenario {

namespace {

// The named text fields of `parent`'s window whose meaning colour is red, sorted.
QStringList redFieldsOf(QWidget* parent) {
    QStringList names;
    if (!parent)
        return names;
    for (const QLineEdit* field : parent->window()->findChildren<QLineEdit*>()) {
        const std::optional<QColor> colour = gui::meaningColour(field);
        if (colour && colour->rgb() == gui::kRed.rgb() && !field->objectName().isEmpty())
            names.append(field->objectName());
    }
    names.sort();
    return names;
}

template <typename T> std::optional<T> takeFront(std::deque<T>& queue) {
    if (queue.empty())
        return std::nullopt;
    T front = std::move(queue.front());
    queue.pop_front();
    return front;
}

// A queued reply of a prompt or save dialog: nothing when it was a cancel.
std::optional<QString> takeReply(std::deque<QString>& replies) {
    const QString reply = *takeFront(replies);
    if (reply.isNull())
        return std::nullopt;
    return reply;
}

} // namespace

QString iconName(gui::BoxIcon icon) {
    switch (icon) {
    case gui::BoxIcon::Information:
        return QStringLiteral("information");
    case gui::BoxIcon::Exclamation:
        return QStringLiteral("exclamation");
    case gui::BoxIcon::Question:
        return QStringLiteral("question");
    case gui::BoxIcon::None:
        break;
    }
    return QStringLiteral("none");
}

void ScriptedDialogs::reset() {
    questionReplies_.clear();
    promptReplies_.clear();
    saveReplies_.clear();
    boxes_.clear();
    prompts_.clear();
    saves_.clear();
    unexpected_.reset();
}

std::optional<BoxRecord> ScriptedDialogs::takeBox() {
    return takeFront(boxes_);
}

std::optional<QString> ScriptedDialogs::takePrompt() {
    return takeFront(prompts_);
}

std::optional<QString> ScriptedDialogs::takeSave() {
    return takeFront(saves_);
}

std::optional<QString> ScriptedDialogs::takeUnexpected() {
    return std::exchange(unexpected_, std::nullopt);
}

void ScriptedDialogs::logBox(QWidget* parent, const QString& kind, const QString& title,
                             const QString& text, gui::BoxIcon icon) {
    boxes_.push_back({title, text, icon, redFieldsOf(parent)});
    if (verbose_)
        printLine(QStringLiteral("    %1 %2 %3 icon %4 red %5")
                      .arg(kind, quoted(title), quoted(text), iconName(icon),
                           boxes_.back().redFields.join(QLatin1Char(' '))));
}

void ScriptedDialogs::unexpected(const QString& description) {
    if (!unexpected_)
        unexpected_ = description;
}

void ScriptedDialogs::message(QWidget* parent, const QString& title, const QString& text,
                              gui::BoxIcon icon) {
    logBox(parent, QStringLiteral("message"), title, text, icon);
}

bool ScriptedDialogs::question(QWidget* parent, const QString& title, const QString& text,
                               gui::BoxIcon icon) {
    logBox(parent, QStringLiteral("question"), title, text, icon);
    const std::optional<bool> yes = takeFront(questionReplies_);
    if (!yes)
        unexpected(QStringLiteral("unexpected question dialog %1 %2 (no reply question queued)")
                       .arg(quoted(title), quoted(text)));
    return yes.value_or(false);
}

std::optional<QString> ScriptedDialogs::prompt(QWidget*, const QString& title,
                                               const QString& text) {
    prompts_.push_back(text);
    if (verbose_)
        printLine(QStringLiteral("    prompt %1 %2").arg(quoted(title), quoted(text)));
    if (promptReplies_.empty()) {
        unexpected(QStringLiteral("unexpected prompt dialog %1 (no reply prompt queued)")
                       .arg(quoted(text)));
        return std::nullopt;
    }
    return takeReply(promptReplies_);
}

std::optional<QString> ScriptedDialogs::saveFile(QWidget*, const QString& title, const QString&,
                                                 const QString& suggestedName) {
    saves_.push_back(suggestedName);
    if (verbose_)
        printLine(
            QStringLiteral("    save %1 suggesting %2").arg(quoted(title), quoted(suggestedName)));
    if (saveReplies_.empty()) {
        unexpected(QStringLiteral("unexpected save dialog suggesting %1 (no reply save queued)")
                       .arg(quoted(suggestedName)));
        return std::nullopt;
    }
    return takeReply(saveReplies_);
}

} // namespace voltaris::scenario
