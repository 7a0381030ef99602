// The dialogs of a scenario: every box, prompt and save dialog is logged, and each question,
// prompt or save dialog takes the next reply the scenario queued for its kind, so nothing waits
// for a person.
#pragma once

#include "gui/dialogs.h"

#include <QStringList>
#include <deque>
#include <optional>

namespace voltaris::scenario {

struct BoxRecord {
    QString title;
    QString text;
    gui::BoxIcon icon;
    QStringList redFields; // the text fields of the box's window that were red, sorted
};

class ScriptedDialogs final : public gui::Dialogs {
public:
    explicit ScriptedDialogs(bool verbose) : verbose_(verbose) {}

    // Forgets every reply, log entry and unexpected dialog: a fresh scenario.
    void reset();

    void queueQuestion(bool yes) { questionReplies_.push_back(yes); }
    // Nothing cancels the prompt.
    void queuePrompt(std::optional<QString> answer) {
        promptReplies_.push_back(answer.value_or(QString()));
    }
    // Nothing cancels the dialog; otherwise the full path of the chosen file.
    void queueSave(std::optional<QString> path) {
        saveReplies_.push_back(path.value_or(QString()));
    }

    // The oldest entry of a log not yet checked, taken out of the log; nothing when none is left.
    std::optional<BoxRecord> takeBox();
    std::optional<QString> takePrompt();
    std::optional<QString> takeSave();
    const std::deque<BoxRecord>& uncheckedBoxes() const { return boxes_; }

    // The first dialog that came with no reply queued for it since the last call, described.
    std::optional<QString> takeUnexpected();

    void message(QWidget* parent, const QString& title, const QString& text,
                 gui::BoxIcon icon) override;
    bool question(QWidget* parent, const QString& title, const QString& text,
                  gui::BoxIcon icon) override;
    std::optional<QString> prompt(QWidget* parent, const QString& title,
                                  const QString& text) override;
    std::optional<QString> saveFile(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& suggestedName) override;

private:
    void logBox(QWidget* parent, const QString& kind, const QString& title, const QString& text,
                gui::BoxIcon icon);
    void unexpected(const QString& description);

    bool verbose_;
    std::deque<bool> questionReplies_;
    // A null text stands for a cancel.
    std::deque<QString> promptReplies_;
    std::deque<QString> saveReplies_;
    std::deque<BoxRecord> boxes_;
    std::deque<QString> prompts_;
    std::deque<QString> saves_;
    std::optional<QString> unexpected_;
};

// The scenario name of an icon: "information", "exclamation", "question" or "none".
QString iconName(gui::BoxIcon icon);

} // namespace voltaris::scenario
