#include "gui/key_filters.h"

#include "core/numbers.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>

namespace voltaris::gui {

namespace {

// Filters the characters that keys type. Keys that type nothing (arrows, Delete, Home), Tab, and
// the editing shortcuts with Ctrl (copy, paste, undo, select all) keep their usual meaning; a
// pasted text is not filtered, and a malformed one fails at the next compute.
class KeyFilter final : public QObject {
public:
    KeyFilter(QLineEdit* field, bool digitsOnly) : QObject(field), digitsOnly_(digitsOnly) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        auto* field = static_cast<QLineEdit*>(watched);
        const QString typed = key->text();
        // Delete types nothing, even where the platform gives it the text of the DEL character.
        if (typed.size() != 1 || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
            key->key() == Qt::Key_Delete || (key->modifiers() & Qt::ControlModifier))
            return false;
        const char32_t code = typed.at(0).unicode();
        const char32_t passed = digitsOnly_ ? DigitKeyFilter(code)
                                            : NumericKeyFilter(code, field->text().toStdString());
        if (passed == code) // the field types it itself
            return false;
        if (passed != 0)
            field->insert(QString(QChar(static_cast<char16_t>(passed))));
        return true;
    }

private:
    bool digitsOnly_;
};

// Presses a command on Enter. Installed after the key filter, it sees the key first.
class EnterPresses final : public QObject {
public:
    EnterPresses(QLineEdit* field, QAbstractButton* command) : QObject(field), command_(command) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        if (command_->isEnabled() && command_->isVisible())
            command_->click();
        return true;
    }

private:
    QAbstractButton* command_;
};

} // namespace

void attachNumericKeyFilter(QLineEdit* field) {
    field->installEventFilter(new KeyFilter(field, false));
}

void attachDigitKeyFilter(QLineEdit* field) {
    field->installEventFilter(new KeyFilter(field, true));
}

void pressOnEnter(QLineEdit* field, QAbstractButton* command) {
    field->installEventFilter(new EnterPresses(field, command));
}

} // namespace voltaris::gui
