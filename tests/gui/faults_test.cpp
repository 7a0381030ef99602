// What the program does when the disk or the settings store lets it down: a settings file that is
// corrupt or cannot be read or written, and a report into a folder that is missing or read-only,
// over a folder, or on a full disk. The program starts on its defaults, a report ends silently
// (no box, the window as it was), and a good report already there is never replaced by part of
// a new one.
//
// The full disk and the read-only folder are small file systems mounted by the test itself, in
// mounts of its own process (they vanish with it); where the platform allows no such mounts those
// cases are skipped.
#include "app/settings.h"
#include "app/startup.h"
#include "gui/dialogs.h"
#include "gui/forms.h"
#include "gui/window_registry.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <fcntl.h>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

using namespace voltaris;
using gui::BoxIcon;
using gui::WindowRegistry;

namespace {

bool writeProcFile(const char* path, const std::string& text) {
    const int fd = ::open(path, O_WRONLY);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, text.data(), text.size()) == ssize_t(text.size());
    ::close(fd);
    return written;
}

// Gives this process mounts of its own, before any thread starts: a mount namespace where the
// process may make one, else a user namespace too, in which this user is root. False where the
// platform allows neither.
bool enterPrivateMounts() {
    if (::unshare(CLONE_NEWNS) != 0) {
        const uid_t uid = ::getuid();
        const gid_t gid = ::getgid();
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return false;
        writeProcFile("/proc/self/setgroups", "deny");
        if (!writeProcFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
            !writeProcFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1"))
            return false;
    }
    return ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

bool privateMounts = false;

// A small file system of `kilobytes` on `folder`.
bool mountSmall(const QString& folder, int kilobytes) {
    const std::string options = "size=" + std::to_string(kilobytes) + "k";
    return privateMounts && ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0,
                                    options.c_str()) == 0;
}

bool remountReadOnly(const QString& folder) {
    return ::mount(nullptr, QFile::encodeName(folder).constData(), nullptr, MS_REMOUNT | MS_RDONLY,
                   nullptr) == 0;
}

// Fills the file system of `folder` to the last byte.
void fillUp(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder + QStringLiteral("/filler")).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC, 0644);
    QVERIFY(fd >= 0);
    const std::string block(512, 'x');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    QCOMPARE(errno, ENOSPC);
    ::close(fd);
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Answers every save dialog with `savePath` and every question "Hayır"; remembers the boxes.
class FaultDialogs : public gui::Dialogs {
public:
    QString savePath;
    QStringList boxes;

    void message(QWidget*, const QString& title, const QString& text, BoxIcon) override {
        boxes.append(title + QStringLiteral(": ") + text);
    }
    bool question(QWidget*, const QString& title, const QString& text, BoxIcon) override {
        boxes.append(title + QStringLiteral(": ") + text);
        return false;
    }
    std::optional<QString> prompt(QWidget*, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> saveFile(QWidget*, const QString&, const QString&,
                                    const QString&) override {
        return savePath;
    }
};

const QByteArray kGoodReport = "Ohm ve Watt Kanunu Hesabı:\r\nGerilim: 1\r\n";

} // namespace

class FaultsTest : public QObject {
    Q_OBJECT

    FaultDialogs dialogs_;
    std::unique_ptr<QTemporaryDir> folder_;

    QString settingsFile() const {
        return folder_->filePath(QStringLiteral("settings/Voltaris/VOLTARIS_V2.3.ini"));
    }

    // The Ohm's law window after a compute, its report button enabled.
    QWidget* computedOhmsLaw() {
        QWidget* window = gui::window(gui::forms::kOhmsLaw);
        window->show();
        window->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("10"));
        window->findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("2"));
        window->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        return window;
    }

    // Presses "Rapor Ver" with `path` chosen: nothing is shown, the window stays as it was, and
    // the folder of `path` keeps exactly what it held.
    void reportEndsSilently(const QString& path) {
        QWidget* window = computedOhmsLaw();
        QStringList texts;
        for (const QLineEdit* field : window->findChildren<QLineEdit*>())
            texts.append(field->text());
        const QDir folder = QFileInfo(path).absoluteDir();
        const QStringList before = folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        dialogs_.boxes.clear();
        dialogs_.savePath = path;
        auto* report = window->findChild<QPushButton*>(QStringLiteral("Command4"));
        QVERIFY(report->isEnabled());
        report->click();
        QVERIFY2(dialogs_.boxes.isEmpty(), qPrintable(dialogs_.boxes.join(QLatin1Char('|'))));
        QStringList after;
        for (const QLineEdit* field : window->findChildren<QLineEdit*>())
            after.append(field->text());
        QCOMPARE(after, texts);
        QVERIFY(report->isEnabled());
        QVERIFY(window->isVisible());
        // No half-written file, and no temporary one left behind.
        QCOMPARE(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    }

private slots:
    void initTestCase() {
        app::registerWindows();
        gui::Dialogs::install(&dialogs_);
    }

    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(folder_->isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           folder_->filePath(QStringLiteral("settings")));
        dialogs_.boxes.clear();
    }

    void cleanup() {
        WindowRegistry::instance().destroyAll();
        // Mounts of the test go before their folder does.
        for (const QString& name : {QStringLiteral("disk"), QStringLiteral("readonly")})
            ::umount(QFile::encodeName(folder_->filePath(name)).constData());
        folder_.reset();
    }

    void corruptSettingsStartOnDefaults_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("setupAsked");
        QTest::addColumn<QString>("runCount");
        QByteArray junk;
        for (int i = 0; i < 4096; ++i)
            junk.append(char((i * 37 + 11) % 256));
        QTest::newRow("bytes of no format") << junk << true << "1";
        QTest::newRow("not numbers") << QByteArray("[KAYIT]\nKURULUMYAPILDIMI=evet\n"
                                                   "PROGRAMKACDEFACALISTI=nan\n")
                                     << true << "1";
        QTest::newRow("overflowing numbers")
            << QByteArray("[KAYIT]\nKURULUMYAPILDIMI=1e999\nPROGRAMKACDEFACALISTI=-inf\n") << true
            << "1";
        QTest::newRow("the largest number")
            << QByteArray("[KAYIT]\nKURULUMYAPILDIMI=1\nPROGRAMKACDEFACALISTI=1.79769313486231E+308"
                          "\n")
            << false << "1.79769313486231E+308";
        QTest::newRow("stored objects")
            << QByteArray("[KAYIT]\nKURULUMYAPILDIMI=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x4junk)\n"
                          "PROGRAMKACDEFACALISTI=@ByteArray(\\xff\\xfe)\n")
            << true << "1";
        QTest::newRow("a list") << QByteArray("[KAYIT]\nKURULUMYAPILDIMI=1, 2\n"
                                              "PROGRAMKACDEFACALISTI=\"3\", 4\n")
                                << true << "1";
        QTest::newRow("a section without its end")
            << QByteArray("[KAYIT\nKURULUMYAPILDIMI=1\n[\n=\n\\\n") << false << "1";
        QTest::newRow("a line of a megabyte")
            << (QByteArray("[KAYIT]\nKURULUMYAPILDIMI=1\nPROGRAMKACDEFACALISTI=") +
                QByteArray(1 << 20, '7'))
            << false << "1";
    }

    void corruptSettingsStartOnDefaults() {
        QFETCH(QByteArray, file);
        QFETCH(bool, setupAsked);
        QFETCH(QString, runCount);
        writeFile(settingsFile(), file);
        QVERIFY(app::startUp());
        QCOMPARE(dialogs_.boxes.size(), setupAsked ? 1 : 0);
        QVERIFY(gui::window(gui::forms::kMainMenu)->isVisible());
        // The run counter is stored afresh as a number.
        QSettings store(settingsFile(), QSettings::IniFormat);
        QCOMPARE(store.value(QStringLiteral("KAYIT/PROGRAMKACDEFACALISTI")).toString(), runCount);
    }

    void settingsFileThatIsAFolder() {
        QVERIFY(QDir().mkpath(settingsFile())); // nothing can be read from it or written to it
        QCOMPARE(app::storedNumber(app::kRunCountKey), 0.0);
        app::storeNumber(app::kRunCountKey, 5);
        QCOMPARE(app::storedNumber(app::kRunCountKey), 0.0);
        QVERIFY(app::startUp());
        QCOMPARE(dialogs_.boxes.size(), 1); // the setup question, every start
        QVERIFY(gui::window(gui::forms::kMainMenu)->isVisible());
        QVERIFY(QFileInfo(settingsFile()).isDir());
    }

    void settingsFolderThatIsAFile() {
        // No settings and no lock of the running program can be made: it runs all the same.
        writeFile(folder_->filePath(QStringLiteral("settings/Voltaris")), "not a folder");
        QVERIFY(app::startUp());
        QVERIFY(gui::window(gui::forms::kMainMenu)->isVisible());
        QCOMPARE(app::storedNumber(app::kRunCountKey), 0.0);
    }

    void readOnlySettingsAreReadNotWritten() {
        const QString settings = folder_->filePath(QStringLiteral("readonly"));
        QVERIFY(QDir().mkpath(settings));
        if (!mountSmall(settings, 64))
            QSKIP("this platform allows the test no mounts of its own");
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings);
        writeFile(settings + QStringLiteral("/Voltaris/VOLTARIS_V2.3.ini"),
                  "[KAYIT]\nKURULUMYAPILDIMI=1\nPROGRAMKACDEFACALISTI=41\n");
        QVERIFY(remountReadOnly(settings));
        QVERIFY(app::startUp());
        QVERIFY(dialogs_.boxes.isEmpty()); // the setup was read as done
        QVERIFY(gui::window(gui::forms::kMainMenu)->isVisible());
        QVERIFY(contents(settings + QStringLiteral("/Voltaris/VOLTARIS_V2.3.ini"))
                    .contains("PROGRAMKACDEFACALISTI=41"));
    }

    void reportIntoAMissingFolder() {
        reportEndsSilently(folder_->filePath(QStringLiteral("missing/rapor.txt")));
        QVERIFY(!QFileInfo::exists(folder_->filePath(QStringLiteral("missing"))));
    }

    void reportOverAFolder() {
        const QString path = folder_->filePath(QStringLiteral("rapor.txt"));
        QVERIFY(QDir().mkpath(path + QStringLiteral("/inside")));
        reportEndsSilently(path);
        QVERIFY(QFileInfo(path + QStringLiteral("/inside")).isDir());
    }

    void reportIntoAReadOnlyFolder() {
        const QString folder = folder_->filePath(QStringLiteral("readonly"));
        QVERIFY(QDir().mkpath(folder));
        if (!mountSmall(folder, 64))
            QSKIP("this platform allows the test no mounts of its own");
        const QString path = folder + QStringLiteral("/rapor.txt");
        writeFile(path, kGoodReport);
        QVERIFY(remountReadOnly(folder));
        reportEndsSilently(path);
        QCOMPARE(contents(path), kGoodReport);
        // A new file fails there alike.
        reportEndsSilently(folder + QStringLiteral("/yeni.txt"));
    }

    void reportOnAFullDisk() {
        const QString disk = folder_->filePath(QStringLiteral("disk"));
        QVERIFY(QDir().mkpath(disk));
        if (!mountSmall(disk, 16))
            QSKIP("this platform allows the test no mounts of its own");
        const QString path = disk + QStringLiteral("/rapor.txt");
        writeFile(path, kGoodReport);
        fillUp(disk);
        // The good report stays whole: the new one is written beside it and replaces it only
        // once it is complete.
        reportEndsSilently(path);
        QCOMPARE(contents(path), kGoodReport);
        reportEndsSilently(disk + QStringLiteral("/yeni.txt"));
        // With room again, the same report is written whole.
        QVERIFY(QFile::remove(disk + QStringLiteral("/filler")));
        dialogs_.savePath = path;
        computedOhmsLaw()->findChild<QPushButton*>(QStringLiteral("Command4"))->click();
        QVERIFY(contents(path).startsWith("Ohm ve Watt Kanunu Hesabı:\r\nGerilim: 10\r\n"));
        QVERIFY(contents(path).endsWith("\r\n"));
    }
};

int main(int argc, char* argv[]) {
    privateMounts = enterPrivateMounts(); // while the process has one thread
    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    FaultsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "faults_test.moc"
