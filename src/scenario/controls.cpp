#include "scenario/controls.h"

#include "gui/colours.h"
#include "scenario/output.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QStringList>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace voltaris::scenario {

QObject* asControl(QObject* found) {
    if (auto* menu = qobject_cast<QMenu*>(found))
        return menu->menuAction();
    return found;
}

std::optional<QString> textOf(const QObject* control) {
    if (const auto* field = qobject_cast<const QLineEdit*>(control))
        return field->text();
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentText();
    if (const auto* list = qobject_cast<const QListWidget*>(control))
        return list->currentItem() ? list->currentItem()->text() : QString();
    if (const auto* table = qobject_cast<const QTableWidget*>(control))
        return table->currentItem() ? table->currentItem()->text() : QString();
    if (const auto* frame = qobject_cast<const QGroupBox*>(control))
        return frame->title();
    if (const auto* action = qobject_cast<const QAction*>(control))
        return action->text();
    if (const auto* window = qobject_cast<const QWidget*>(control); window && window->isWindow())
        return window->windowTitle();
    return std::nullopt;
}

bool isShown(const QObject* control) {
    if (const auto* action = qobject_cast<const QAction*>(control))
        return action->isVisible();
    const auto* widget = qobject_cast<const QWidget*>(control);
    return widget &&
           (widget->isWindow() ? widget->isVisible() : widget->isVisibleTo(widget->window()));
}

bool isEnabled(const QObject* control) {
    if (const auto* action = qobject_cast<const QAction*>(control))
        return action->isEnabled();
    const auto* widget = qobject_cast<const QWidget*>(control);
    return widget && widget->isEnabled();
}

std::optional<bool> isChecked(const QObject* control) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->isChecked();
    if (const auto* action = qobject_cast<const QAction*>(control))
        return action->isChecked();
    return std::nullopt;
}

std::optional<bool> isReadOnly(const QObject* control) {
    if (const auto* field = qobject_cast<const QLineEdit*>(control))
        return field->isReadOnly();
    return std::nullopt;
}

std::optional<int> currentIndexOf(const QObject* control) {
    if (const auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentIndex();
    if (const auto* list = qobject_cast<const QListWidget*>(control))
        return list->currentRow();
    return std::nullopt;
}

std::optional<int> entryCountOf(const QObject* control) {
    if (const auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->count();
    if (const auto* list = qobject_cast<const QListWidget*>(control))
        return list->count();
    if (const auto* tabs = qobject_cast<const QTabWidget*>(control))
        return tabs->count();
    return std::nullopt;
}

std::optional<int> currentPageOf(const QObject* control) {
    if (const auto* tabs = qobject_cast<const QTabWidget*>(control))
        return tabs->currentIndex();
    return std::nullopt;
}

std::optional<QString> colourOf(const QObject* control) {
    const auto* widget = qobject_cast<const QWidget*>(control);
    if (!widget)
        return std::nullopt;
    const std::optional<QColor> colour = gui::meaningColour(widget);
    if (!colour)
        return QStringLiteral("normal");
    return QStringLiteral("%1,%2,%3").arg(colour->red()).arg(colour->green()).arg(colour->blue());
}

QString describe(const QObject* control) {
    if (const auto* timer = qobject_cast<const QTimer*>(control))
        return QStringLiteral("QTimer %1, every %2 ms")
            .arg(timer->isActive() ? QStringLiteral("running") : QStringLiteral("stopped"))
            .arg(timer->interval());
    QStringList parts{QString::fromLatin1(control->metaObject()->className())};
    if (const std::optional<QString> text = textOf(control))
        parts.append(QStringLiteral("text ") + quoted(*text));
    parts.append(isEnabled(control) ? QStringLiteral("enabled") : QStringLiteral("disabled"));
    parts.append(isShown(control) ? QStringLiteral("visible") : QStringLiteral("hidden"));
    if (const std::optional<bool> checked = isChecked(control); checked && *checked)
        parts.append(QStringLiteral("checked"));
    if (const std::optional<bool> readOnly = isReadOnly(control); readOnly && *readOnly)
        parts.append(QStringLiteral("readonly"));
    if (const std::optional<int> index = currentIndexOf(control))
        parts.append(QStringLiteral("index %1 count %2").arg(*index).arg(*entryCountOf(control)));
    if (const std::optional<int> page = currentPageOf(control))
        parts.append(QStringLiteral("page %1").arg(*page));
    if (const std::optional<QString> colour = colourOf(control))
        parts.append(QStringLiteral("colour ") + *colour);
    return parts.join(QLatin1Char(' '));
}

void click(QObject* control) {
    if (auto* action = qobject_cast<QAction*>(control))
        action->trigger();
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->click();
    else if (auto* widget = qobject_cast<QWidget*>(control))
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

void typeKey(QWidget* field, QChar character) {
    Qt::Key key = Qt::Key(character.toUpper().unicode()); // a printable key's code is its capital
    if (character == QLatin1Char('\b'))
        key = Qt::Key_Backspace;
    else if (character == QLatin1Char('\r'))
        key = Qt::Key_Return;
    else if (character == QLatin1Char('\t'))
        key = Qt::Key_Tab;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(character));
    QCoreApplication::sendEvent(field, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(character));
    QCoreApplication::sendEvent(field, &release);
}

} // namespace voltaris::scenario
