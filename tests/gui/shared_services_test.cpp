// The shared services that every window stands on: key filters on real fields, the compute
// failure path with its red fields, prompts, reports, and the window model.
#include "gui/colours.h"
#include "gui/dialogs.h"
#include "gui/fields.h"
#include "gui/forms.h"
#include "gui/messages.h"
#include "gui/openings.h"
#include "gui/text_report.h"
#include "gui/tool_window.h"
#include "gui/window_registry.h"

#include "core/numbers.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

using namespace voltaris;
using namespace voltaris::gui;

namespace {

// Answers every dialog at once and remembers what it was asked.
class FakeDialogs : public Dialogs {
public:
    struct Box {
        QString title, text;
        BoxIcon icon;
        QStringList red; // fields of the parent window that were red while the box was open
    };
    QList<Box> boxes;
    std::optional<QString> promptAnswer;
    std::optional<QString> savePath;
    QString suggested;

    void message(QWidget* parent, const QString& title, const QString& text,
                 BoxIcon icon) override {
        QStringList red;
        for (auto* field : parent->window()->findChildren<QLineEdit*>())
            if (meaningColour(field) == kRed)
                red << field->objectName();
        boxes.append({title, text, icon, red});
    }
    bool question(QWidget*, const QString&, const QString&, BoxIcon) override { return false; }
    std::optional<QString> prompt(QWidget*, const QString&, const QString&) override {
        return promptAnswer;
    }
    std::optional<QString> saveFile(QWidget*, const QString&, const QString&,
                                    const QString& name) override {
        suggested = name;
        return savePath;
    }
};

class TwoFieldWindow : public ToolWindow {
public:
    explicit TwoFieldWindow(const QString& form = QStringLiteral("Form99"))
        : ToolWindow(form, QStringLiteral("Deneme")) {
        auto* layout = new QVBoxLayout(this);
        auto* grid = new FieldGrid;
        first = grid->addInput(QStringLiteral("Text1"), QStringLiteral("Birinci"));
        second = grid->addInput(QStringLiteral("Text2"), QStringLiteral("İkinci"));
        result = grid->addResult(QStringLiteral("Text3"), QStringLiteral("Sonuç"));
        layout->addLayout(grid);
        back = makeReturnButton(QStringLiteral("Command2"));
        closeCompanion = makeCompanionCloseButton(QStringLiteral("Command5"));
        layout->addWidget(back);
        layout->addWidget(closeCompanion);
    }
    QLineEdit *first, *second, *result;
    QPushButton *back, *closeCompanion;
};

} // namespace

class SharedServicesTest : public QObject {
    Q_OBJECT

    FakeDialogs dialogs;

private slots:
    void init() {
        dialogs = FakeDialogs();
        Dialogs::install(&dialogs);
        WindowRegistry::instance().add(forms::kMainMenu, [] {
            auto* menu = new QWidget;
            menu->setObjectName(forms::kMainMenu);
            return menu;
        });
        WindowRegistry::instance().add(QStringLiteral("Form99"), [] { return new TwoFieldWindow; });
        WindowRegistry::instance().add(QStringLiteral("Form98"),
                                       [] { return new TwoFieldWindow(QStringLiteral("Form98")); });
    }
    void cleanup() {
        WindowRegistry::instance().destroyAll();
        Dialogs::install(nullptr);
    }

    void typedKeysPassTheNumericFilter() {
        TwoFieldWindow window;
        QTest::keyClicks(window.first, QStringLiteral("1,5.7a"));
        QCOMPARE(window.first->text(), QStringLiteral("1.57"));
        QTest::keyClick(window.first, Qt::Key_Backspace);
        QCOMPARE(window.first->text(), QStringLiteral("1.5"));
        QTest::keyClick(window.second, Qt::Key_Return);
        QCOMPARE(window.second->text(), QStringLiteral("."));
        // Arrow keys still move the caret: the filter sees only keys that type.
        window.first->setCursorPosition(3);
        QTest::keyClick(window.first, Qt::Key_Left);
        QTest::keyClicks(window.first, QStringLiteral("0"));
        QCOMPARE(window.first->text(), QStringLiteral("1.05"));
        // Delete erases the character after the caret, also where the platform gives the key
        // the text of the DEL character: it types nothing, so no point appears.
        window.first->setCursorPosition(0);
        QKeyEvent deleteKey(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QString(QChar(0x7f)));
        QApplication::sendEvent(window.first, &deleteKey);
        QCOMPARE(window.first->text(), QStringLiteral(".05"));
    }

    void failedComputeMarksOnlyEmptyTestedFieldsWhileTheBoxIsOpen() {
        TwoFieldWindow window;
        window.first->setText(QStringLiteral("4"));
        const bool done = MissingInputWarning(&window, {window.first, window.second}, [&] {
            window.result->setText(QStringLiteral("written"));
            ReadNumber(window.second->text().toStdString());
            window.result->setText(QStringLiteral("not reached"));
        });
        QVERIFY(!done);
        QCOMPARE(window.result->text(), QStringLiteral("written"));
        QCOMPARE(dialogs.boxes.size(), 1);
        QCOMPARE(dialogs.boxes[0].title, QStringLiteral("UYARI"));
        QCOMPARE(dialogs.boxes[0].text, QStringLiteral("DEĞERLERİ GİRİNİZ..."));
        QCOMPARE(dialogs.boxes[0].icon, BoxIcon::Exclamation);
        QCOMPARE(dialogs.boxes[0].red, QStringList{QStringLiteral("Text2")});
        QVERIFY(!meaningColour(window.second));
        QCOMPARE(window.second->palette().color(QPalette::Base),
                 window.first->palette().color(QPalette::Base));
    }

    void divisionByZeroWarnsWithoutRedFields() {
        TwoFieldWindow window;
        window.first->setText(QStringLiteral("1"));
        window.second->setText(QStringLiteral("0"));
        QVERIFY(!MissingInputWarning(&window, {window.first, window.second},
                                     [] { checked::Div(1, 0); }));
        QCOMPARE(dialogs.boxes.size(), 1);
        QVERIFY(dialogs.boxes[0].red.isEmpty());
    }

    void promptsReadACommaAndWarnOnCancel() {
        TwoFieldWindow window;
        double read = 0;
        dialogs.promptAnswer = QStringLiteral("0,5");
        QVERIFY(PromptWarning(&window, [&] { read = PromptNumber(&window, QStringLiteral("?")); }));
        QCOMPARE(read, 0.5);
        dialogs.promptAnswer.reset();
        QVERIFY(!PromptWarning(&window, [&] { PromptNumber(&window, QStringLiteral("?")); }));
        QCOMPARE(dialogs.boxes.last().title, QStringLiteral("UYARI"));
        QCOMPARE(dialogs.boxes.last().text, QStringLiteral("DEĞERİ GİRİNİZ..."));
    }

    void reportsReplaceTheFileWithCrLfLines() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("rapor.txt"));
        dialogs.savePath = path;
        QVERIFY(TextReport(nullptr, QStringLiteral("Öneri"), {"Başlık:", "", "Güç = 20 W²"}));
        QCOMPARE(dialogs.suggested, QStringLiteral("Öneri"));
        QVERIFY(TextReport(nullptr, QStringLiteral("Öneri"), {"Kısa"}));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("Kısa\r\n"));
    }

    void cancelledReportWritesNothing() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("rapor.txt"));
        dialogs.savePath = path;
        QVERIFY(TextReport(nullptr, QStringLiteral("rapor"), {"Birinci"}));
        // The same report again, its save dialog cancelled: the folder and the file stay as
        // they were.
        dialogs.savePath.reset();
        QVERIFY(!TextReport(nullptr, QStringLiteral("rapor"), {"İkinci"}));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("rapor.txt")});
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("Birinci\r\n"));
        QVERIFY(dialogs.boxes.isEmpty());
    }

    void windowsAreBuiltOnceAndKeepTheirFields() {
        WindowRegistry& registry = WindowRegistry::instance();
        QWidget* menu = window(forms::kMainMenu);
        QVERIFY(!registry.existing(QStringLiteral("Form99")));
        auto* tool = static_cast<TwoFieldWindow*>(openAsTool(QStringLiteral("Form99"), menu));
        QVERIFY(tool->isVisible());
        QVERIFY(!menu->isVisible());
        tool->first->setText(QStringLiteral("7"));
        tool->back->click();
        QVERIFY(menu->isVisible());
        QVERIFY(!tool->isVisible());
        QCOMPARE(openAsTool(QStringLiteral("Form99"), menu), tool);
        QCOMPARE(tool->first->text(), QStringLiteral("7"));
        QCOMPARE(registry.created(), (QStringList{forms::kMainMenu, QStringLiteral("Form99")}));
        QVERIFY(!openAsTool(QStringLiteral("Form97"), menu)); // no such window: nothing happens
        QVERIFY(tool->isVisible());
    }

    // Every opening sets the mode afresh; a companion leaves with the tool that opened it, and
    // the title bar's close button leaves the way the visible leaving button does.
    void companionsFollowTheirOpener() {
        QWidget* menu = window(forms::kMainMenu);
        auto* tool = static_cast<TwoFieldWindow*>(openAsTool(QStringLiteral("Form99"), menu));
        const Opening beside{
            QStringLiteral("Form99"), {}, QStringLiteral("Form98"), OpenAs::Companion};
        auto* companion = static_cast<TwoFieldWindow*>(open(beside, tool));
        QVERIFY(companion->isVisible() && tool->isVisible());
        QVERIFY(companion->back->isHidden());
        QVERIFY(!companion->closeCompanion->isHidden());

        companion->close(); // as "Bu Bölümü Kapat": alone
        QVERIFY(!companion->isVisible());
        QVERIFY(tool->isVisible());

        open(beside, tool);
        tool->close(); // as "Ana Menüye Dön": the companion goes too
        QVERIFY(!companion->isVisible());
        QVERIFY(menu->isVisible());

        // Opened from the main menu afterwards, the window is a tool again.
        openAsTool(QStringLiteral("Form98"), menu);
        QVERIFY(!companion->back->isHidden());
        QVERIFY(companion->closeCompanion->isHidden());
        companion->close();
        QVERIFY(menu->isVisible());
        QVERIFY(!companion->isVisible());
    }
};

QTEST_MAIN(SharedServicesTest)
#include "shared_services_test.moc"
