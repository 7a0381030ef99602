// A person let loose on the program: with a fixed seed, every window the registry knows is opened,
// then many random actions follow on the windows in sight: keys typed into text fields, junk
// pasted, list entries and options chosen, tab pages turned, labels clicked, buttons pressed and
// menu items triggered (openers and leaving buttons among them), windows closed; every box is
// answered at random (prompts with junk, numbers or a cancel, questions yes or no, save dialogs
// with a file of a temporary folder or a cancel).
//
// After every action: no action took more than 2 s (one that never returns ends the run after
// 30 s), no text field, label or box shows "nan" or "inf", and every report written is whole
// (not empty, ended by CR LF, no NUL byte). A crash ends the test by itself.
//
// VOLTARIS_RANDOM_ACTIONS=N runs N actions instead of the short run of the test suite;
// VOLTARIS_RANDOM_SEED=S starts from another seed; VOLTARIS_RANDOM_LOG=1 prints every action
// (to find the one that crashed).
#include "app/settings.h"
#include "app/startup.h"
#include "gui/dialogs.h"
#include "gui/forms.h"
#include "gui/openings.h"
#include "gui/window_registry.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>

using namespace voltaris;
using namespace voltaris::gui;

namespace {

constexpr int kDefaultActions = 8000;
constexpr unsigned kDefaultSeed = 20240601;
constexpr qint64 kActionLimitMs = 2000;
constexpr auto kHangLimit = std::chrono::seconds(30);

// Texts a person may paste or answer. None holds the letters of "nan" or "inf", so that such a
// word on the screen can only come from the program.
const QStringList& junkTexts() {
    static const QStringList texts = {QString(),
                                      QStringLiteral(" "),
                                      QStringLiteral("."),
                                      QStringLiteral(".."),
                                      QStringLiteral(","),
                                      QStringLiteral("0"),
                                      QStringLiteral("-0"),
                                      QStringLiteral("+0"),
                                      QStringLiteral("0.0"),
                                      QStringLiteral("1e308"),
                                      QStringLiteral("-1e308"),
                                      QStringLiteral("1.7976931348623157e308"),
                                      QStringLiteral("1e309"),
                                      QStringLiteral("1e-400"),
                                      QStringLiteral("4.9e-324"),
                                      QStringLiteral("99999999999999999999999999"),
                                      QString(400, QLatin1Char('9')),
                                      QStringLiteral("0.") + QString(350, QLatin1Char('0')) +
                                          QStringLiteral("1"),
                                      QString(10000, QLatin1Char('5')),
                                      QStringLiteral("1,5"),
                                      QStringLiteral("1.2.3"),
                                      QStringLiteral("12xyz"),
                                      QStringLiteral("xyz"),
                                      QStringLiteral("ÇĞÜŞÖ"),
                                      QStringLiteral("ğüşöç"),
                                      QStringLiteral("½"),
                                      QStringLiteral("١٢٣"),
                                      QStringLiteral("１２３"),
                                      QStringLiteral("⚡"),
                                      QStringLiteral("😀12"),
                                      QStringLiteral("\u202E12"),
                                      QStringLiteral("5\u0301"),
                                      QStringLiteral("1e"),
                                      QStringLiteral("e5"),
                                      QStringLiteral("--1"),
                                      QStringLiteral("0x1E"),
                                      QStringLiteral(" 12 "),
                                      QStringLiteral("\t5"),
                                      QStringLiteral("5\n6"),
                                      QStringLiteral("1 000"),
                                      QStringLiteral("%50"),
                                      QStringLiteral("-5"),
                                      QStringLiteral("-.5"),
                                      QStringLiteral("5."),
                                      QStringLiteral("4R7"),
                                      QStringLiteral("R10"),
                                      QStringLiteral("104"),
                                      QStringLiteral("4n7"),
                                      QStringLiteral("2u2"),
                                      QStringLiteral("103"),
                                      QStringLiteral("01C"),
                                      QStringLiteral("68X"),
                                      QStringLiteral("1002"),
                                      QStringLiteral("4/0 = 0000"),
                                      QStringLiteral("1000 MCM"),
                                      QStringLiteral("0.80"),
                                      QStringLiteral("1.00"),
                                      QStringLiteral("1e-15"),
                                      QStringLiteral("123456789012345678")};
    return texts;
}

// The keys a person types: digits, '.', ',', letters (none of "nan" or "inf"), Backspace, Enter.
const QString kKeys = QStringLiteral("0123456789012345678901234567890123456789....,,-- "
                                     "bcdekmnpruxyRKMNPUXYSçğöşüÇĞÖŞÜ\b\b\b\b\r\r");

// "nan" or "inf" standing as a word (not inside one such as "Hesaplanan", "Alınan" or "NANO"),
// "-nan", or a number text gone wrong such as "i.nf".
const QRegularExpression kBadNumber(QStringLiteral("(?<!\\p{L})(nan|inf)(?!\\p{L})|i\\.nf|n\\.an"),
                                    QRegularExpression::CaseInsensitiveOption);

class Random {
public:
    explicit Random(unsigned seed) : engine_(seed) {}
    int below(int count) { return std::uniform_int_distribution<int>(0, count - 1)(engine_); }
    bool chance(int percent) { return below(100) < percent; }
    template <class List> auto pick(const List& list) {
        return list.at(below(static_cast<int>(list.size())));
    }
    // A number as a person may answer one: small, huge, tiny, negative, with a comma.
    QString number() {
        switch (below(5)) {
        case 0:
            return QString::number(below(1000));
        case 1:
            return QString::number(std::uniform_real_distribution<double>(-1e6, 1e6)(engine_), 'g',
                                   1 + below(17));
        case 2:
            return QStringLiteral("1e%1").arg(below(700) - 350);
        case 3:
            return QStringLiteral("%1,%2").arg(below(100)).arg(below(100));
        }
        return QStringLiteral("-%1").arg(below(100));
    }

private:
    std::mt19937 engine_;
};

// Every box, question, prompt and save dialog answered at random; what boxes show is checked.
class RandomDialogs : public Dialogs {
public:
    RandomDialogs(Random& random, const QDir& folder) : random_(random), folder_(folder) {}

    QStringList badTexts;      // boxes that showed "nan" or "inf"
    QSet<QString> chosenFiles; // every report path answered
    int boxes = 0;
    int prompts = 0;
    int saves = 0;

    void message(QWidget*, const QString& title, const QString& text, BoxIcon) override {
        ++boxes;
        check(title + QLatin1Char(' ') + text);
    }
    bool question(QWidget*, const QString& title, const QString& text, BoxIcon) override {
        ++boxes;
        check(title + QLatin1Char(' ') + text);
        return random_.chance(25); // "Evet" now and then: the exit question ends the program
    }
    std::optional<QString> prompt(QWidget*, const QString&, const QString& text) override {
        ++prompts;
        check(text);
        switch (random_.below(4)) {
        case 0:
            return std::nullopt;
        case 1:
            return random_.pick(junkTexts());
        }
        return random_.number();
    }
    std::optional<QString> saveFile(QWidget*, const QString&, const QString&,
                                    const QString& suggestedName) override {
        ++saves;
        check(suggestedName);
        switch (random_.below(4)) {
        case 0:
            return std::nullopt;
        case 1: // a folder that does not exist: the report ends silently
            return folder_.filePath(QStringLiteral("missing/report.txt"));
        }
        // A few names, so that reports replace earlier ones.
        const QString path = folder_.filePath(QStringLiteral("report%1.txt").arg(random_.below(3)));
        chosenFiles.insert(path);
        return path;
    }

private:
    void check(const QString& text) {
        if (text.contains(kBadNumber))
            badTexts.append(text);
    }

    Random& random_;
    QDir folder_;
};

// The headless platform's notes (no raise, no size hints) say nothing about the windows; every
// other message goes to the test's own handler.
QtMessageHandler testHandler = nullptr;
void quietHeadlessNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.startsWith(QStringLiteral("This plugin does not support")))
        testHandler(type, context, text);
}

// Installs a set of dialogs for as long as it lives.
class InstalledDialogs {
public:
    explicit InstalledDialogs(Dialogs& dialogs) { Dialogs::install(&dialogs); }
    ~InstalledDialogs() { Dialogs::install(nullptr); }
};

// Receives the links a person may click (the about window's mail link) instead of the desktop.
class LinkCatcher : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl&) {}
};

// Ends the run when one action never returns.
class Watchdog {
public:
    Watchdog()
        : thread_([this] {
              while (!stop_) {
                  std::this_thread::sleep_for(std::chrono::milliseconds(200));
                  const auto started = started_.load();
                  if (started.time_since_epoch().count() != 0 &&
                      std::chrono::steady_clock::now() - started > kHangLimit) {
                      std::fprintf(stderr, "an action has not returned for 30 s: %s\n",
                                   action_.load());
                      std::abort();
                  }
              }
          }) {}
    ~Watchdog() {
        stop_ = true;
        thread_.join();
    }
    void begin(const char* action) {
        action_ = action;
        started_ = std::chrono::steady_clock::now();
    }
    void end() { started_ = std::chrono::steady_clock::time_point(); }

private:
    std::atomic<bool> stop_ = false;
    std::atomic<std::chrono::steady_clock::time_point> started_{};
    std::atomic<const char*> action_ = "";
    std::thread thread_;
};

template <class Widget> QList<Widget*> usable(QWidget* window) {
    QList<Widget*> found;
    for (Widget* widget : window->findChildren<Widget*>())
        if (widget->isVisibleTo(window) && widget->isEnabled())
            found.append(widget);
    return found;
}

void typeKey(QWidget* field, QChar character) {
    Qt::Key key = Qt::Key(character.toUpper().unicode());
    if (character == QLatin1Char('\b'))
        key = Qt::Key_Backspace;
    else if (character == QLatin1Char('\r'))
        key = Qt::Key_Return;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(character));
    QCoreApplication::sendEvent(field, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(character));
    QCoreApplication::sendEvent(field, &release);
}

// A report as it must be on the disk: not empty, lines ended by CR LF, no NUL byte.
QString reportFault(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot be read");
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty())
        return QStringLiteral("is empty");
    if (!bytes.endsWith("\r\n"))
        return QStringLiteral("does not end with CR LF");
    if (bytes.contains('\0'))
        return QStringLiteral("holds a NUL byte");
    return {};
}

} // namespace

class RandomActionsTest : public QObject {
    Q_OBJECT

    QTemporaryDir settings_;
    QTemporaryDir reports_;
    LinkCatcher links_;

    // Runs `count` actions from `seed`; the first fault found fails the test with the seed, the
    // action's number and the last actions.
    void run(unsigned seed, int count) {
        Random random(seed);
        RandomDialogs dialogs(random, QDir(reports_.path()));
        const InstalledDialogs installed(dialogs);
        const bool log = qEnvironmentVariableIntValue("VOLTARIS_RANDOM_LOG") != 0;
        WindowRegistry& registry = WindowRegistry::instance();
        QVERIFY(app::startUp());

        // Every window the registry knows, opened once as a tool from the main menu.
        for (const QString& form : registry.known())
            openAsTool(form, window(forms::kMainMenu));

        Watchdog watchdog;
        QStringList recent;
        QByteArray current;
        int reopened = 0;
        QElapsedTimer total;
        total.start();
        for (int action = 0; action < count; ++action) {
            QElapsedTimer clock;
            clock.start();
            QString what = act(random);
            current = what.toUtf8();
            if (log)
                std::fprintf(stderr, "%d %s\n", action, current.constData());
            watchdog.begin(current.constData());
            const QString target = perform(random, what);
            if (!target.isEmpty())
                what += QLatin1Char(' ') + target;
            recent.append(QString::number(action) + QLatin1Char(' ') + what);
            if (recent.size() > 12)
                recent.removeFirst();
            if (random.chance(2))
                QTest::qWait(random.below(40)); // timers tick
            else
                QCoreApplication::processEvents();
            watchdog.end();

            const QString where = QStringLiteral("seed %1, action %2 (%3); the last actions:\n%4")
                                      .arg(seed)
                                      .arg(action)
                                      .arg(what, recent.join(QLatin1Char('\n')));
            QVERIFY2(clock.elapsed() <= kActionLimitMs,
                     qPrintable(QStringLiteral("took %1 ms: ").arg(clock.elapsed()) + where));
            const QString shown = badTextShown();
            QVERIFY2(shown.isEmpty(), qPrintable(shown + QStringLiteral(" shown after ") + where));
            QVERIFY2(dialogs.badTexts.isEmpty(),
                     qPrintable(dialogs.badTexts.join(QLatin1Char('|')) +
                                QStringLiteral(" in a box after ") + where));
            for (const QString& path : std::as_const(dialogs.chosenFiles)) {
                if (!QFile::exists(path))
                    continue;
                const QString fault = reportFault(path);
                QVERIFY2(fault.isEmpty(), qPrintable(path + QLatin1Char(' ') + fault +
                                                     QStringLiteral(" after ") + where));
            }
            QVERIFY2(!QFile::exists(reports_.filePath(QStringLiteral("missing"))),
                     qPrintable(where));
            // Nothing in sight (the exit question answered "Evet", the main menu put away): the
            // person starts the program again.
            if (!anyWindowShown()) {
                window(forms::kMainMenu)->show();
                ++reopened;
            }
        }
        qInfo("seed %u: %d actions in %lld ms; %d boxes, %d prompts, %d save dialogs; main menu "
              "shown again %d times",
              seed, count, static_cast<long long>(total.elapsed()), dialogs.boxes, dialogs.prompts,
              dialogs.saves, reopened);
    }

    static QList<QWidget*> shownWindows() {
        const WindowRegistry& registry = WindowRegistry::instance();
        QList<QWidget*> shown;
        for (const QString& form : registry.created())
            if (QWidget* window = registry.existing(form); window && window->isVisible())
                shown.append(window);
        return shown;
    }

    static bool anyWindowShown() { return !shownWindows().isEmpty(); }

    // The first text field or label of any window (shown or not) with "nan" or "inf" in it.
    static QString badTextShown() {
        const WindowRegistry& registry = WindowRegistry::instance();
        for (const QString& form : registry.created()) {
            QWidget* window = registry.existing(form);
            for (const QLineEdit* field : window->findChildren<QLineEdit*>())
                if (field->text().contains(kBadNumber))
                    return form + QLatin1Char('.') + field->objectName() + QStringLiteral(" \"") +
                           field->text() + QLatin1Char('"');
            for (const QLabel* label : window->findChildren<QLabel*>())
                if (label->text().contains(kBadNumber))
                    return form + QLatin1Char('.') + label->objectName() + QStringLiteral(" \"") +
                           label->text() + QLatin1Char('"');
        }
        return {};
    }

    // Chooses the next action: its kind, window and control, as a text that perform() carries
    // out ("Form9 type Text1").
    QString act(Random& random) {
        const QList<QWidget*> shown = shownWindows();
        if (shown.isEmpty() || random.chance(3))
            return QStringLiteral("open ") + random.pick(WindowRegistry::instance().known());
        QWidget* window = random.pick(shown);
        static const QStringList kinds = {
            QStringLiteral("type"),   QStringLiteral("type"),   QStringLiteral("type"),
            QStringLiteral("paste"),  QStringLiteral("paste"),  QStringLiteral("fill"),
            QStringLiteral("fill"),   QStringLiteral("choose"), QStringLiteral("choose"),
            QStringLiteral("option"), QStringLiteral("option"), QStringLiteral("press"),
            QStringLiteral("press"),  QStringLiteral("press"),  QStringLiteral("menu"),
            QStringLiteral("page"),   QStringLiteral("click"),  QStringLiteral("close")};
        return window->objectName() + QLatin1Char(' ') + random.pick(kinds);
    }

    // Carries out the action; returns what it did it to ("Text1 \"12.\"", "Command4"), empty
    // when the window had no such control.
    QString perform(Random& random, const QString& what) {
        const QStringList words = what.split(QLatin1Char(' '));
        if (words[0] == QStringLiteral("open")) {
            QWidget* opener = anyWindowShown() ? shownWindows().constFirst() : nullptr;
            openAsTool(words[1], opener);
            return {};
        }
        QWidget* window = WindowRegistry::instance().existing(words[0]);
        const QString& kind = words[1];
        const auto quoted = [](const QString& text) {
            return QLatin1Char('"') + text.left(40) + QLatin1Char('"');
        };
        if (kind == QStringLiteral("type") || kind == QStringLiteral("paste")) {
            QList<QLineEdit*> fields = usable<QLineEdit>(window);
            fields.removeIf([](const QLineEdit* field) { return field->isReadOnly(); });
            if (fields.isEmpty())
                return {};
            QLineEdit* field = random.pick(fields);
            QString text;
            if (kind == QStringLiteral("type")) {
                field->setFocus();
                const int keys = 1 + random.below(8);
                for (int i = 0; i < keys; ++i) {
                    text += kKeys.at(random.below(static_cast<int>(kKeys.size())));
                    typeKey(field, text.back());
                }
            } else {
                text = random.chance(70) ? random.pick(junkTexts()) : random.number();
                if (random.chance(50)) {
                    field->setText(text);
                } else { // over the selection, as Ctrl+V does
                    field->selectAll();
                    field->insert(text);
                }
            }
            return field->objectName() + QLatin1Char(' ') + quoted(text);
        }
        if (kind == QStringLiteral("fill")) { // a number typed into every field
            for (QLineEdit* field : usable<QLineEdit>(window))
                if (!field->isReadOnly())
                    field->setText(random.number());
            return {};
        }
        if (kind == QStringLiteral("choose")) {
            const QList<QComboBox*> lists = usable<QComboBox>(window);
            const QList<QListWidget*> listWidgets = usable<QListWidget>(window);
            if (!lists.isEmpty() && (listWidgets.isEmpty() || random.chance(50))) {
                QComboBox* list = random.pick(lists);
                if (list->count() == 0)
                    return {};
                const int index = random.below(list->count());
                list->setCurrentIndex(index);
                emit list->activated(index);
                emit list->textActivated(list->itemText(index));
                return list->objectName() + QLatin1Char(' ') + QString::number(index);
            }
            if (listWidgets.isEmpty())
                return {};
            QListWidget* list = random.pick(listWidgets);
            if (list->count() == 0)
                return {};
            list->setCurrentRow(random.below(list->count()));
            return list->objectName() + QLatin1Char(' ') + QString::number(list->currentRow());
        }
        if (kind == QStringLiteral("option") || kind == QStringLiteral("press")) {
            QList<QAbstractButton*> buttons;
            for (QAbstractButton* button : usable<QAbstractButton>(window)) {
                const bool option =
                    qobject_cast<QRadioButton*>(button) || qobject_cast<QCheckBox*>(button);
                if (option == (kind == QStringLiteral("option")))
                    buttons.append(button);
            }
            if (buttons.isEmpty())
                return {};
            QAbstractButton* button = random.pick(buttons);
            button->click();
            return button->objectName();
        }
        if (kind == QStringLiteral("menu")) {
            QList<QAction*> items;
            for (QAction* item : window->findChildren<QAction*>())
                if (!item->objectName().isEmpty() && item->isEnabled() && item->isVisible())
                    items.append(item);
            if (items.isEmpty())
                return {};
            QAction* item = random.pick(items);
            item->trigger();
            return item->objectName();
        }
        if (kind == QStringLiteral("page")) {
            const QList<QTabWidget*> tabs = usable<QTabWidget>(window);
            if (tabs.isEmpty())
                return {};
            QTabWidget* tab = random.pick(tabs);
            const int page = random.below(tab->count());
            if (tab->isTabEnabled(page) && tab->isTabVisible(page))
                tab->setCurrentIndex(page);
            return tab->objectName() + QLatin1Char(' ') + QString::number(page);
        }
        if (kind == QStringLiteral("click")) {
            const QList<QLabel*> labels = usable<QLabel>(window);
            if (labels.isEmpty())
                return {};
            QLabel* label = random.pick(labels);
            QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, label->rect().center());
            return label->objectName();
        }
        window->close(); // "close": the title bar's close button
        return {};
    }

private slots:
    void initTestCase() {
        QVERIFY(settings_.isValid() && reports_.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_.path());
        app::storeNumber(app::kSetupDoneKey, 1);
        for (const QString& scheme :
             {QStringLiteral("mailto"), QStringLiteral("http"), QStringLiteral("https")})
            QDesktopServices::setUrlHandler(scheme, &links_, "open");
        app::registerWindows();
        testHandler = qInstallMessageHandler(quietHeadlessNotes);
    }

    void cleanupTestCase() {
        qInstallMessageHandler(testHandler);
        for (const QString& scheme :
             {QStringLiteral("mailto"), QStringLiteral("http"), QStringLiteral("https")})
            QDesktopServices::unsetUrlHandler(scheme);
    }

    void cleanup() { WindowRegistry::instance().destroyAll(); }

    void randomActions() {
        const int count = qEnvironmentVariableIsSet("VOLTARIS_RANDOM_ACTIONS")
                              ? qEnvironmentVariableIntValue("VOLTARIS_RANDOM_ACTIONS")
                              : kDefaultActions;
        const unsigned seed =
            qEnvironmentVariableIsSet("VOLTARIS_RANDOM_SEED")
                ? static_cast<unsigned>(qEnvironmentVariableIntValue("VOLTARIS_RANDOM_SEED"))
                : kDefaultSeed;
        run(seed, count);
    }
};

int main(int argc, char* argv[]) {
    // A long run takes longer than Qt Test's five minutes a test; the run watches its actions
    // itself.
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", "86400000");
    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    RandomActionsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "random_actions_test.moc"
