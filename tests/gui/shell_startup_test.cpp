// The program's start and end as a person meets them: the first-run question, the run counter in
// the settings store, a second running program refused (a real second process), a lock left by
// a crashed program taken over, the notification-area menu, the close button, and the about
// window's mail link.
#include "app/main_menu.h"
#include "app/settings.h"
#include "app/startup.h"
#include "gui/dialogs.h"
#include "gui/window_registry.h"

#include <QApplication>
#include <QDate>
#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <cstdio>

using namespace voltaris;
using gui::BoxIcon;
using gui::WindowRegistry;

namespace {

const char* const kChildMode = "VOLTARIS_SHELL_TEST_CHILD";
const char* const kChildSettings = "VOLTARIS_SHELL_TEST_SETTINGS";

// Answers questions from a queue and remembers every box, with whether the main menu was on the
// screen when it came.
class RecordingDialogs : public gui::Dialogs {
public:
    struct Box {
        QString title, text;
        BoxIcon icon;
        bool mainMenuVisible;
    };
    QList<Box> boxes;
    QList<bool> answers;

    void message(QWidget*, const QString& title, const QString& text, BoxIcon icon) override {
        record(title, text, icon);
    }
    bool question(QWidget*, const QString& title, const QString& text, BoxIcon icon) override {
        record(title, text, icon);
        return answers.isEmpty() ? false : answers.takeFirst();
    }
    std::optional<QString> prompt(QWidget*, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> saveFile(QWidget*, const QString&, const QString&,
                                    const QString&) override {
        return std::nullopt;
    }

private:
    void record(const QString& title, const QString& text, BoxIcon icon) {
        const QWidget* menu = WindowRegistry::instance().existing(QStringLiteral("Form1"));
        boxes.append({title, text, icon, menu && menu->isVisible()});
    }
};

// The stored text of `key`, as the settings file holds it.
QString storedText(const QString& key) {
    QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Voltaris"),
                    QStringLiteral("VOLTARIS_V2.3"));
    return store.value(QStringLiteral("KAYIT/") + key).toString();
}

void storeText(const QString& key, const QString& value) {
    QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Voltaris"),
                    QStringLiteral("VOLTARIS_V2.3"));
    store.setValue(QStringLiteral("KAYIT/") + key, value);
}

app::MainMenuWindow* mainMenu() {
    return static_cast<app::MainMenuWindow*>(
        WindowRegistry::instance().existing(QStringLiteral("Form1")));
}

// A second program on the same settings: "second" starts and reports, "hold" starts and keeps
// running until it is killed.
int runChild(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       qEnvironmentVariable(kChildSettings));
    RecordingDialogs dialogs;
    gui::Dialogs::install(&dialogs);
    app::registerWindows();
    const bool started = app::startUp();
    for (const auto& box : dialogs.boxes)
        std::printf("box %s|%s\n", qPrintable(box.title), qPrintable(box.text));
    std::printf("%s\n", started ? "started" : "refused");
    std::fflush(stdout);
    if (started && qEnvironmentVariable(kChildMode) == QLatin1String("hold"))
        return QApplication::exec();
    return 0;
}

} // namespace

// Receives the mail link instead of the user's mail program.
class MailCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

class ShellStartupTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> settings_;
    RecordingDialogs dialogs_;

    QString settingsPath() const { return settings_->filePath(QStringLiteral("settings")); }

    QProcess* startChild(const QString& mode) {
        auto* child = new QProcess(this);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(kChildMode), mode);
        environment.insert(QString::fromLatin1(kChildSettings), settingsPath());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child->setProcessEnvironment(environment);
        child->start(QCoreApplication::applicationFilePath(), {});
        return child;
    }

    // Ends the running program the way the test harness does, and starts another on the same
    // settings.
    bool restart() {
        WindowRegistry::instance().destroyAll();
        return app::startUp();
    }

private slots:
    void initTestCase() {
        app::registerWindows();
        gui::Dialogs::install(&dialogs_);
    }

    void init() {
        settings_ = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsPath());
        dialogs_.boxes.clear();
        dialogs_.answers.clear();
    }

    void cleanup() { WindowRegistry::instance().destroyAll(); }

    void firstRunAcceptedIsDoneForGood() {
        dialogs_.answers = {true};
        QVERIFY(app::startUp());
        QCOMPARE(dialogs_.boxes.size(), 2);
        QCOMPARE(dialogs_.boxes[0].title, QStringLiteral("Kurulum Sihirbazı"));
        QCOMPARE(dialogs_.boxes[0].icon, BoxIcon::Question);
        QVERIFY(!dialogs_.boxes[0].mainMenuVisible); // asked before the main menu comes
        QCOMPARE(dialogs_.boxes[1].text, QStringLiteral("Kurulum Başarıyla Tamamlandı !"));
        QCOMPARE(dialogs_.boxes[1].title, QStringLiteral("Kurulum Sihirbazı"));
        QVERIFY(dialogs_.boxes[1].mainMenuVisible); // the success box follows the main menu
        QCOMPARE(storedText(app::kSetupDoneKey), QStringLiteral("1"));

        dialogs_.boxes.clear();
        QVERIFY(restart());
        QVERIFY(dialogs_.boxes.isEmpty());
        QCOMPARE(storedText(app::kSetupDoneKey), QStringLiteral("1"));
    }

    void firstRunRefusedAsksAgain() {
        dialogs_.answers = {false};
        QVERIFY(app::startUp());
        QCOMPARE(dialogs_.boxes.size(), 1);
        QVERIFY(mainMenu()->isVisible());
        QVERIFY(storedText(app::kSetupDoneKey).isEmpty());

        dialogs_.boxes.clear();
        dialogs_.answers = {false};
        QVERIFY(restart());
        QCOMPARE(dialogs_.boxes.size(), 1);
        QCOMPARE(dialogs_.boxes[0].title, QStringLiteral("Kurulum Sihirbazı"));
    }

    void runCounterGrowsByOneEachStart() {
        app::storeNumber(app::kSetupDoneKey, 1);
        storeText(app::kRunCountKey, QStringLiteral("kırk")); // not a number: counts as 0
        QVERIFY(app::startUp());
        QCOMPARE(storedText(app::kRunCountKey), QStringLiteral("1"));
        QVERIFY(restart());
        QVERIFY(restart());
        QCOMPARE(storedText(app::kRunCountKey), QStringLiteral("3"));
        QVERIFY(dialogs_.boxes.isEmpty());
    }

    void secondProgramIsRefusedWithoutCounting() {
        app::storeNumber(app::kSetupDoneKey, 1);
        app::storeNumber(app::kRunCountKey, 4);
        QVERIFY(app::startUp());
        QCOMPARE(storedText(app::kRunCountKey), QStringLiteral("5"));

        QProcess* second = startChild(QStringLiteral("second"));
        QVERIFY(second->waitForFinished(20000));
        const QString output = QString::fromUtf8(second->readAllStandardOutput());
        QCOMPARE(output, QStringLiteral("box VOLTARIS|Proğram Zaten Çalışıyor...\nrefused\n"));
        QCOMPARE(storedText(app::kRunCountKey), QStringLiteral("5"));

        // Once the first program has ended, a new one starts and counts.
        WindowRegistry::instance().destroyAll();
        QProcess* later = startChild(QStringLiteral("second"));
        QVERIFY(later->waitForFinished(20000));
        QCOMPARE(QString::fromUtf8(later->readAllStandardOutput()), QStringLiteral("started\n"));
        QCOMPARE(storedText(app::kRunCountKey), QStringLiteral("6"));
    }

    void lockOfACrashedProgramIsTakenOver() {
        app::storeNumber(app::kSetupDoneKey, 1);
        QProcess* crashing = startChild(QStringLiteral("hold"));
        QVERIFY(crashing->waitForStarted(20000));
        QTRY_VERIFY_WITH_TIMEOUT(
            QString::fromUtf8(crashing->peek(100)).contains(QStringLiteral("started")), 20000);
        crashing->kill(); // no clean-up: its lock file stays behind
        QVERIFY(crashing->waitForFinished(20000));

        QVERIFY(app::startUp());
        QVERIFY(dialogs_.boxes.isEmpty());
        QCOMPARE(storedText(app::kRunCountKey), QStringLiteral("2"));
    }

    void notificationMenu() {
        app::storeNumber(app::kSetupDoneKey, 1);
        QVERIFY(app::startUp());
        auto* tray = mainMenu()->findChild<QSystemTrayIcon*>(QStringLiteral("TrayIcon"));
        QVERIFY(tray);
        QCOMPARE(tray->toolTip(), QStringLiteral("VOLTARIS"));
        // The program icon (built in from the desktop menu's picture) on the notification area
        // and on every window, at the sizes a panel and a title bar ask for.
        for (const int size : {16, 22, 48})
            QVERIFY(!tray->icon().pixmap(size).isNull());
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.voltaris.Voltaris"));
        QCOMPARE(mainMenu()->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
        QMenu* menu = tray->contextMenu();
        QVERIFY(menu);
        QCOMPARE(menu->objectName(), QStringLiteral("smenü"));
        QCOMPARE(menu->title(), QStringLiteral("Voltaris-MENÜ"));
        QStringList items;
        for (const QAction* action : menu->actions())
            items << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
        QCOMPARE(items, (QStringList{"ssim", "-", "snor", "ekran", "-", "mn_Kapat"}));
        QCOMPARE(menu->defaultAction()->objectName(), QStringLiteral("ssim"));
        QCOMPARE(menu->defaultAction()->text(), QStringLiteral("Hakkında"));

        // A single click does nothing; a double click opens the about window like a tool.
        emit tray->activated(QSystemTrayIcon::Trigger);
        QVERIFY(!WindowRegistry::instance().existing(QStringLiteral("Form19")));
        emit tray->activated(QSystemTrayIcon::DoubleClick);
        QWidget* about = WindowRegistry::instance().existing(QStringLiteral("Form19"));
        QVERIFY(about && about->isVisible());
        QVERIFY(!mainMenu()->isVisible());
    }

    void closeButtonAsksFirst() {
        app::storeNumber(app::kSetupDoneKey, 1);
        QVERIFY(app::startUp());
        dialogs_.answers = {false};
        mainMenu()->close();
        QCOMPARE(dialogs_.boxes.size(), 1);
        QCOMPARE(dialogs_.boxes[0].title, QStringLiteral("Voltaris"));
        QCOMPARE(dialogs_.boxes[0].text, QStringLiteral("Programdan Çıkmak İstiyormusunuz?"));
        QVERIFY(mainMenu()->isVisible());

        dialogs_.answers = {true};
        mainMenu()->close();
        QVERIFY(!mainMenu()->isVisible());
    }

    void bannerScrollsAndStatusBarDates() {
        app::storeNumber(app::kSetupDoneKey, 1);
        QVERIFY(app::startUp());
        auto* banner = mainMenu()->findChild<QLabel*>(QStringLiteral("Label5"));
        const int start = banner->x();
        // 30 twips, two pixels, every 20 ms.
        QTRY_VERIFY_WITH_TIMEOUT(banner->x() >= start + 10, 2000);
        QCOMPARE(mainMenu()->findChild<QLabel*>(QStringLiteral("Panel3"))->text(),
                 QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
        QCOMPARE(mainMenu()->findChild<QPushButton*>(QStringLiteral("Command6"))->toolTip(),
                 QStringLiteral("Programı KAPAT'IR..."));
    }

    void aboutTextIsTypedAndWritesMail() {
        app::storeNumber(app::kSetupDoneKey, 1);
        QVERIFY(app::startUp());
        QWidget* about = gui::window(QStringLiteral("Form19"));
        auto* text = about->findChild<QLabel*>(QStringLiteral("Label1"));
        QTRY_VERIFY_WITH_TIMEOUT(text->text().size() >= 3, 2000);
        QVERIFY(text->text().startsWith(QStringLiteral("Vol")));
        QCOMPARE(text->toolTip(), QStringLiteral("e-Mail Göndermek İçin Tıkla..."));

        MailCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "open");
        about->show();
        QTest::mouseClick(text, Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
        QCOMPARE(catcher.urls.size(), 1);
        QCOMPARE(catcher.urls[0].scheme(), QStringLiteral("mailto"));
        QVERIFY(!catcher.urls[0].path().isEmpty());
    }

    void powerFactorPanelEnlargesTheLowVoltageMenu() {
        app::storeNumber(app::kSetupDoneKey, 1);
        QVERIFY(app::startUp());
        QWidget* menu = gui::window(QStringLiteral("Form23"));
        menu->show();
        const int before = menu->height();
        menu->findChild<QPushButton*>(QStringLiteral("Command6"))->click();
        QVERIFY(menu->height() > before);
        const QRect screen = menu->screen()->availableGeometry();
        QVERIFY(qAbs(menu->frameGeometry().center().y() - screen.center().y()) <= 1);
    }
};

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsSet(kChildMode))
        return runChild(argc, argv);
    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    ShellStartupTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "shell_startup_test.moc"
