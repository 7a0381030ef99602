#include "scenario/scenario_runner.h"

#include "app/settings.h"
#include "app/startup.h"
#include "gui/forms.h"
#include "gui/live.h"
#include "gui/openings.h"
#include "gui/window_registry.h"
#include "scenario/controls.h"
#include "scenario/line_check.h"
#include "scenario/output.h"
#include "scenario/scripted_dialogs.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPixmap>
#include <QSettings>
#include <QStringDecoder>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>
#include <QWidget>
#include <utility>

namespace voltaris::scenario {

namespace {

struct Failed {
    QString message;
};

[[noreturn]] void fail(const QString& message) {
    throw Failed{message};
}

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

QString nameOf(const ControlName& name) {
    return name.control.empty() ? qs(name.form) : qs(name.form + '.' + name.control);
}

QString typeOf(const QObject* control) {
    return QString::fromLatin1(control->metaObject()->className());
}

QString boxText(const BoxRecord& box) {
    return QStringLiteral("message %1 %2").arg(quoted(box.title), quoted(box.text));
}

QString redText(const QStringList& fields) {
    return fields.isEmpty() ? QStringLiteral("no red field")
                            : QStringLiteral("red fields ") + fields.join(QLatin1Char(' '));
}

// A report is written in the user's code page: UTF-8 here, Windows-1254 on Turkish Windows.
QString decodeReport(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder windows1254("windows-1254");
    return windows1254(bytes);
}

} // namespace

ScenarioRunner::ScenarioRunner(ScriptedDialogs& dialogs, QString directory, bool verbose)
    : dialogs_(dialogs), directory_(std::move(directory)), verbose_(verbose) {
    gui::WindowTimer::driveByHand(true);
}

std::optional<Failure> ScenarioRunner::run(const Script& script) {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QDir(directory_).filePath(QStringLiteral("settings")));
    int line = script.lastLine;
    try {
        for (const Line& statement : script.lines) {
            line = statement.number;
            if (verbose_)
                printLine(QStringLiteral("  %1: %2").arg(line).arg(qs(statement.source)));
            const bool beforeStart = std::holds_alternative<StartFresh>(statement.statement) ||
                                     std::holds_alternative<StartRuns>(statement.statement) ||
                                     std::holds_alternative<Reply>(statement.statement);
            if (!beforeStart)
                startProgram();
            std::visit([this](const auto& step) { execute(step); }, statement.statement);
            QCoreApplication::processEvents();
            if (const std::optional<QString> unexpected = dialogs_.takeUnexpected())
                fail(*unexpected);
        }
        line = script.lastLine;
        startProgram();
        if (const std::optional<QString> unexpected = dialogs_.takeUnexpected())
            fail(*unexpected);
    } catch (const Failed& failed) {
        // A dialog nobody expected came first, and may be what made the statement fail.
        return Failure{line, dialogs_.takeUnexpected().value_or(failed.message)};
    }
    return std::nullopt;
}

void ScenarioRunner::startProgram() {
    if (std::exchange(started_, true))
        return;
    if (!freshStore_) {
        app::storeNumber(app::kSetupDoneKey, 1);
        if (runs_)
            app::storeNumber(app::kRunCountKey, *runs_);
    }
    if (!app::startUp())
        fail(QStringLiteral("expected the program to start, found it ending at once"));
}

void ScenarioRunner::execute(const StartFresh&) {
    freshStore_ = true;
}

void ScenarioRunner::execute(const StartRuns& statement) {
    runs_ = statement.runs;
}

void ScenarioRunner::execute(const Open& statement) {
    const QString form = qs(statement.form);
    windowNamed(form); // an unknown name fails here
    gui::openAsTool(form, windowNamed(gui::forms::kMainMenu));
}

void ScenarioRunner::execute(const Press& statement) {
    QObject* control = controlNamed(statement.target);
    requireUsable(control, statement.target, QStringLiteral("press"));
    click(control);
}

void ScenarioRunner::execute(const Type& statement) {
    auto* field = controlOfType<QLineEdit>(statement.target, QStringLiteral("a text field"));
    requireUsable(field, statement.target, QStringLiteral("type"));
    field->end(false);
    for (const QChar character : qs(statement.keys)) {
        typeKey(field, character);
        QCoreApplication::processEvents();
    }
}

void ScenarioRunner::execute(const Set& statement) {
    auto* field = controlOfType<QLineEdit>(statement.target, QStringLiteral("a text field"));
    requireUsable(field, statement.target, QStringLiteral("set"));
    if (field->isReadOnly())
        fail(QStringLiteral("cannot set: read-only (%1)").arg(nameOf(statement.target)));
    field->setText(qs(statement.text));
}

void ScenarioRunner::execute(const Choose& statement) {
    auto* list = controlOfType<QComboBox>(statement.target, QStringLiteral("a list"));
    requireUsable(list, statement.target, QStringLiteral("choose"));
    int index = 0;
    if (const auto* text = std::get_if<std::string>(&statement.entry)) {
        index = list->findText(qs(*text), Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index < 0)
            fail(QStringLiteral("expected an entry %1 in %2, found none")
                     .arg(quoted(qs(*text)), nameOf(statement.target)));
    } else {
        index = std::get<int>(statement.entry);
        if (index >= list->count())
            fail(QStringLiteral("expected an entry %1 in %2, found %3 entries")
                     .arg(index)
                     .arg(nameOf(statement.target))
                     .arg(list->count()));
    }
    // A click on an entry selects it, then reports it as activated.
    list->setCurrentIndex(index);
    emit list->activated(index);
    emit list->textActivated(list->itemText(index));
}

void ScenarioRunner::execute(const Page& statement) {
    auto* tabs = controlOfType<QTabWidget>(statement.target, QStringLiteral("a tab container"));
    requireUsable(tabs, statement.target, QStringLiteral("choose a page of"));
    if (statement.page >= tabs->count())
        fail(QStringLiteral("expected a page %1 in %2, found %3 pages")
                 .arg(statement.page)
                 .arg(nameOf(statement.target))
                 .arg(tabs->count()));
    if (!tabs->isTabEnabled(statement.page) || !tabs->isTabVisible(statement.page))
        fail(QStringLiteral("cannot choose page %1 of %2: %3")
                 .arg(statement.page)
                 .arg(nameOf(statement.target), tabs->isTabVisible(statement.page)
                                                    ? QStringLiteral("disabled")
                                                    : QStringLiteral("hidden")));
    tabs->setCurrentIndex(statement.page);
}

void ScenarioRunner::execute(const Wait& statement) {
    QTest::qWait(statement.milliseconds);
    // The window timers, driven by hand, time out as often as the wait lasts.
    for (QWidget* window : QApplication::topLevelWidgets())
        for (auto* timer : window->findChildren<gui::WindowTimer*>())
            for (int elapsed = timer->interval();
                 timer->isActive() && timer->interval() > 0 && elapsed <= statement.milliseconds;
                 elapsed += timer->interval())
                timer->fire();
}

void ScenarioRunner::execute(const Tick& statement) {
    auto* timer = controlOfType<QTimer>(statement.target, QStringLiteral("a timer"));
    if (!timer->isActive())
        fail(QStringLiteral("cannot tick: not running (%1)").arg(nameOf(statement.target)));
    if (auto* windowTimer = dynamic_cast<gui::WindowTimer*>(timer)) {
        windowTimer->fire();
        return;
    }
    // A timer's own event for its own id is what makes it time out.
    QTimerEvent event(timer->timerId());
    QCoreApplication::sendEvent(timer, &event);
}

void ScenarioRunner::execute(const Reply& statement) {
    const std::optional<QString> answer =
        statement.answer ? std::optional<QString>(qs(*statement.answer)) : std::nullopt;
    switch (statement.kind) {
    case DialogKind::Question:
        dialogs_.queueQuestion(answer == QStringLiteral("Evet"));
        break;
    case DialogKind::Prompt:
        dialogs_.queuePrompt(answer);
        break;
    case DialogKind::Save:
        dialogs_.queueSave(statement.answer ? std::optional<QString>(pathOf(*statement.answer))
                                            : std::nullopt);
        break;
    }
}

void ScenarioRunner::execute(const CheckText& statement) {
    const QObject* control = controlNamed(statement.target);
    const std::optional<QString> text = textOf(control);
    if (!text)
        fail(QStringLiteral("expected %1 to have a text, found a %2 without one")
                 .arg(nameOf(statement.target), typeOf(control)));
    if (*text != qs(statement.text))
        fail(QStringLiteral("expected %1 %2, found %3")
                 .arg(nameOf(statement.target), quoted(qs(statement.text)), quoted(*text)));
}

void ScenarioRunner::execute(const CheckState& statement) {
    const QObject* control = controlNamed(statement.target);
    struct Reading {
        std::optional<bool> value;
        QString yes;
        QString no;
        bool expected;
    };
    const Reading reading = [&]() -> Reading {
        const State state = statement.state;
        switch (state) {
        case State::Enabled:
        case State::Disabled:
            return {isEnabled(control), QStringLiteral("enabled"), QStringLiteral("disabled"),
                    state == State::Enabled};
        case State::Visible:
        case State::Hidden:
            return {isShown(control), QStringLiteral("visible"), QStringLiteral("hidden"),
                    state == State::Visible};
        case State::Checked:
        case State::Unchecked:
            return {isChecked(control), QStringLiteral("checked"), QStringLiteral("unchecked"),
                    state == State::Checked};
        case State::ReadOnly:
        case State::Editable:
            break;
        }
        return {isReadOnly(control), QStringLiteral("readonly"), QStringLiteral("editable"),
                state == State::ReadOnly};
    }();
    const QString expected = reading.expected ? reading.yes : reading.no;
    if (!reading.value)
        fail(QStringLiteral("expected %1 %2, found a %3, which cannot be %2")
                 .arg(nameOf(statement.target), expected, typeOf(control)));
    if (*reading.value != reading.expected)
        fail(QStringLiteral("expected %1 %2, found %3")
                 .arg(nameOf(statement.target), expected,
                      *reading.value ? reading.yes : reading.no));
}

void ScenarioRunner::execute(const CheckColour& statement) {
    const QObject* control = controlNamed(statement.target);
    const QString expected = statement.colour ? QStringLiteral("%1,%2,%3")
                                                    .arg(statement.colour->red)
                                                    .arg(statement.colour->green)
                                                    .arg(statement.colour->blue)
                                              : QStringLiteral("normal");
    const std::optional<QString> colour = colourOf(control);
    if (!colour)
        fail(QStringLiteral("expected %1 colour %2, found a %3 without a colour")
                 .arg(nameOf(statement.target), expected, typeOf(control)));
    if (*colour != expected)
        fail(QStringLiteral("expected %1 colour %2, found colour %3")
                 .arg(nameOf(statement.target), expected, *colour));
}

void ScenarioRunner::execute(const CheckNumber& statement) {
    const QObject* control = controlNamed(statement.target);
    const auto [value, word] = [&]() -> std::pair<std::optional<int>, QString> {
        switch (statement.what) {
        case Count::Index:
            return {currentIndexOf(control), QStringLiteral("index")};
        case Count::Entries:
            return {entryCountOf(control), QStringLiteral("count")};
        case Count::Page:
            break;
        }
        return {currentPageOf(control), QStringLiteral("page")};
    }();
    if (!value)
        fail(QStringLiteral("expected %1 %2 %3, found a %4 without one")
                 .arg(nameOf(statement.target), word)
                 .arg(statement.value)
                 .arg(typeOf(control)));
    if (*value != statement.value)
        fail(QStringLiteral("expected %1 %2 %3, found %2 %4")
                 .arg(nameOf(statement.target), word)
                 .arg(statement.value)
                 .arg(*value));
}

void ScenarioRunner::execute(const CheckWindow& statement) {
    const QString form = qs(statement.form);
    const gui::WindowRegistry& registry = gui::WindowRegistry::instance();
    if (!registry.has(form))
        fail(QStringLiteral("expected a window named %1, found none by that name").arg(form));
    const QWidget* window = registry.existing(form);
    const bool visible = window && window->isVisible();
    if (visible != statement.visible)
        fail(QStringLiteral("expected %1 %2, found it %3")
                 .arg(form,
                      statement.visible ? QStringLiteral("visible") : QStringLiteral("hidden"),
                      visible ? QStringLiteral("visible") : QStringLiteral("hidden")));
}

void ScenarioRunner::execute(const CheckMessage& statement) {
    const QString expected = QStringLiteral("message %1 %2")
                                 .arg(quoted(qs(statement.title)), quoted(qs(statement.text)));
    const std::optional<BoxRecord> box = dialogs_.takeBox();
    if (!box)
        fail(QStringLiteral("expected %1, found no message left").arg(expected));
    if (box->title != qs(statement.title) || box->text != qs(statement.text))
        fail(QStringLiteral("expected %1, found %2").arg(expected, boxText(*box)));
    if (statement.icon && iconName(box->icon) != qs(*statement.icon))
        fail(QStringLiteral("expected %1 icon %2, found icon %3")
                 .arg(expected, qs(*statement.icon), iconName(box->icon)));
    if (statement.red) {
        QStringList red;
        for (const std::string& field : *statement.red)
            red.append(qs(field));
        red.sort();
        if (red != box->redFields)
            fail(QStringLiteral("expected %1 with %2, found %3")
                     .arg(expected, redText(red), redText(box->redFields)));
    }
}

void ScenarioRunner::execute(const SkipMessage&) {
    if (!dialogs_.takeBox())
        fail(QStringLiteral("expected a message to skip, found no message left"));
}

void ScenarioRunner::execute(const CheckNoMessage&) {
    const std::deque<BoxRecord>& left = dialogs_.uncheckedBoxes();
    if (!left.empty())
        fail(QStringLiteral("expected no message left, found %1 left, the first %2")
                 .arg(left.size())
                 .arg(boxText(left.front())));
}

void ScenarioRunner::execute(const CheckPrompt& statement) {
    const QString expected = quoted(qs(statement.text));
    const std::optional<QString> prompt = dialogs_.takePrompt();
    if (!prompt)
        fail(QStringLiteral("expected prompt %1, found no prompt left").arg(expected));
    if (*prompt != qs(statement.text))
        fail(QStringLiteral("expected prompt %1, found prompt %2").arg(expected, quoted(*prompt)));
}

void ScenarioRunner::execute(const CheckSave& statement) {
    const QString expected = quoted(qs(statement.name));
    const std::optional<QString> suggested = dialogs_.takeSave();
    if (!suggested)
        fail(QStringLiteral("expected a save dialog suggesting %1, found no save dialog left")
                 .arg(expected));
    if (*suggested != qs(statement.name))
        fail(QStringLiteral("expected a save dialog suggesting %1, found one suggesting %2")
                 .arg(expected, quoted(*suggested)));
}

void ScenarioRunner::execute(const CheckFile& statement) {
    QFile file(pathOf(statement.name));
    if (!file.exists())
        fail(
            QStringLiteral("expected file %1, found no such file").arg(quoted(qs(statement.name))));
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("expected file %1 readable, found %2")
                 .arg(quoted(qs(statement.name)), file.errorString()));
    const std::string text = decodeReport(file.readAll()).toStdString();
    if (const std::optional<std::string> mismatch = linesMismatch(text, statement.lines))
        fail(QStringLiteral("file %1: %2").arg(quoted(qs(statement.name)), qs(*mismatch)));
}

void ScenarioRunner::execute(const CheckNoFile& statement) {
    const QFileInfo file(pathOf(statement.name));
    if (file.exists())
        fail(QStringLiteral("expected no file %1, found one of %2 bytes")
                 .arg(quoted(qs(statement.name)))
                 .arg(file.size()));
}

void ScenarioRunner::execute(const Capture& statement) {
    QWidget* window = windowNamed(qs(statement.form));
    const bool hidden = !window->isVisible();
    if (hidden) {
        window->show();
        QCoreApplication::processEvents();
    }
    const QPixmap picture = window->grab();
    if (hidden)
        window->hide();
    const QString path = pathOf(statement.file);
    if (!picture.save(path, "PNG"))
        fail(QStringLiteral("expected the picture written to %1, found it could not be written")
                 .arg(path));
    if (verbose_)
        printLine(QStringLiteral("    picture %1").arg(path));
}

void ScenarioRunner::execute(const Dump& statement) {
    QWidget* window = windowNamed(qs(statement.form));
    printLine(QStringLiteral("%1 %2 %3")
                  .arg(qs(statement.form), quoted(window->windowTitle()),
                       window->isVisible() ? QStringLiteral("visible") : QStringLiteral("hidden")));
    for (QObject* child : window->findChildren<QObject*>()) {
        const QString name = child->objectName();
        const bool control = qobject_cast<QWidget*>(child) || qobject_cast<QAction*>(child) ||
                             qobject_cast<QTimer*>(child);
        if (control && !name.isEmpty() && !name.startsWith(QStringLiteral("qt_")))
            printLine(QStringLiteral("  %1 %2").arg(name, describe(asControl(child))));
    }
}

QWidget* ScenarioRunner::windowNamed(const QString& form) {
    QWidget* window = gui::WindowRegistry::instance().window(form);
    if (!window)
        fail(QStringLiteral("expected a window named %1, found none by that name").arg(form));
    return window;
}

QObject* ScenarioRunner::controlNamed(const ControlName& name) {
    QWidget* window = windowNamed(qs(name.form));
    if (name.control.empty())
        return window;
    QObject* control = window->findChild<QObject*>(qs(name.control));
    if (!control)
        fail(QStringLiteral("expected a control named %1, found none in %2")
                 .arg(nameOf(name), qs(name.form)));
    return asControl(control);
}

template <typename Control>
Control* ScenarioRunner::controlOfType(const ControlName& name, const QString& what) {
    QObject* control = controlNamed(name);
    auto* typed = qobject_cast<Control*>(control);
    if (!typed)
        fail(QStringLiteral("expected %1 to be %2, found a %3")
                 .arg(nameOf(name), what, typeOf(control)));
    return typed;
}

void ScenarioRunner::requireUsable(const QObject* control, const ControlName& name,
                                   const QString& action) {
    if (!qobject_cast<const QWidget*>(control) && !qobject_cast<const QAction*>(control))
        fail(QStringLiteral("cannot %1: %2 is a %3").arg(action, nameOf(name), typeOf(control)));
    if (!isEnabled(control))
        fail(QStringLiteral("cannot %1: disabled (%2)").arg(action, nameOf(name)));
    if (!isShown(control))
        fail(QStringLiteral("cannot %1: hidden (%2)").arg(action, nameOf(name)));
}

QString ScenarioRunner::pathOf(const std::string& fileName) const {
    return QDir(directory_).filePath(qs(fileName));
}

} // namespace voltaris::scenario
