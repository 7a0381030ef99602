// Performs every opening of the openings table on the program's real windows: the opener's
// control exists, it is enabled exactly when the window it opens exists, and pressing it shows
// that window as a tool or as a companion with the opener's adjustments made. A renamed button,
// a missing form or a misspelt adjustment fails here by name.
#include "app/startup.h"
#include "gui/dialogs.h"
#include "gui/forms.h"
#include "gui/openings.h"
#include "gui/window_registry.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace voltaris;
using namespace voltaris::gui;

namespace {

// Every box is closed at once, every question answered "Hayır", every prompt and file cancelled.
class SilentDialogs : public Dialogs {
public:
    void message(QWidget*, const QString&, const QString&, BoxIcon) override {}
    bool question(QWidget*, const QString&, const QString&, BoxIcon) override { return false; }
    std::optional<QString> prompt(QWidget*, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> saveFile(QWidget*, const QString&, const QString&,
                                    const QString&) override {
        return std::nullopt;
    }
};

QObject* controlOf(QWidget* window, const QString& name) {
    if (auto* button = window->findChild<QAbstractButton*>(name))
        return button;
    return window->findChild<QAction*>(name);
}

bool isEnabled(QObject* control) {
    if (auto* action = qobject_cast<QAction*>(control))
        return action->isEnabled();
    return static_cast<QWidget*>(control)->isEnabled();
}

void press(QObject* control) {
    if (auto* action = qobject_cast<QAction*>(control))
        action->trigger();
    else
        static_cast<QAbstractButton*>(control)->click();
}

// The visible "Bu Bölümü Kapat" of a companion.
bool offersCompanionClose(QWidget* window) {
    for (auto* button : window->findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("Bu Bölümü Kapat") && !button->isHidden())
            return true;
    return false;
}

// A window with leaving buttons of its own (a line window closed by its own command has none).
bool hasLeavingButtons(QWidget* window) {
    for (auto* button : window->findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("Bu Bölümü Kapat") ||
            button->text() == QStringLiteral("Ana Menüye Dön"))
            return true;
    return false;
}

} // namespace

class OpeningsTest : public QObject {
    Q_OBJECT

    SilentDialogs dialogs_;

private slots:
    void initTestCase() {
        app::registerWindows();
        Dialogs::install(&dialogs_);
    }
    void cleanup() { WindowRegistry::instance().destroyAll(); }

    void everyOpening_data() {
        QTest::addColumn<int>("index");
        int index = 0;
        for (const Opening& opening : Openings()) {
            const QByteArray name =
                (opening.opener + "." + opening.control + " -> " + opening.form).toUtf8();
            QTest::newRow(name.constData()) << index++;
        }
    }

    void everyOpening() {
        QFETCH(int, index);
        const Opening& opening = Openings()[static_cast<std::size_t>(index)];
        WindowRegistry& registry = WindowRegistry::instance();
        QVERIFY2(registry.has(opening.opener), "the opener is a window of this program");
        QWidget* menu = window(forms::kMainMenu);
        menu->show();
        QWidget* opener =
            opening.opener == forms::kMainMenu ? menu : openAsTool(opening.opener, menu);
        QObject* control = controlOf(opener, opening.control);
        QVERIFY2(control, "the opener has the control");

        if (!registry.has(opening.form)) {
            QVERIFY2(!isEnabled(control), "an opener of a window this program lacks is disabled");
            return;
        }
        QVERIFY2(isEnabled(control), "the opener of an existing window is enabled");
        // An opening its opener performs after its own checks is performed here directly.
        if (opening.checkedByOpener)
            open(opening, opener);
        else
            press(control);
        QWidget* opened = registry.existing(opening.form);
        QVERIFY(opened && opened->isVisible());
        auto* tool = qobject_cast<ToolWindow*>(opened);
        if (opening.as == OpenAs::Companion) {
            QVERIFY2(opener->isVisible(), "a companion's opener stays");
            QVERIFY(tool && tool->isCompanion());
            QVERIFY2(!hasLeavingButtons(opened) || offersCompanionClose(opened),
                     "a companion shows \"Bu Bölümü Kapat\"");
        } else {
            QVERIFY2(opener == opened || !opener->isVisible(), "a tool replaces its opener");
            QVERIFY(!tool || !tool->isCompanion());
        }

        const Adjustments& wanted = opening.adjustments;
        if (!wanted.caption.isEmpty())
            QCOMPARE(opened->windowTitle(), wanted.caption);
        for (const QString& name : wanted.shown) {
            auto* shown = opened->findChild<QWidget*>(name);
            QVERIFY2(shown && !shown->isHidden(), qPrintable(name + " is shown"));
        }
        for (const QString& name : wanted.hidden) {
            auto* hidden = opened->findChild<QWidget*>(name);
            QVERIFY2(hidden && hidden->isHidden(), qPrintable(name + " is hidden"));
        }
        for (const QString& name : wanted.selected) {
            auto* option = opened->findChild<QAbstractButton*>(name);
            QVERIFY2(option && option->isChecked(), qPrintable(name + " is chosen"));
        }
        if (wanted.page >= 0) {
            auto* tabs = opened->findChild<QTabWidget*>(QStringLiteral("SSTab1"));
            QVERIFY(tabs);
            QCOMPARE(tabs->currentIndex(), wanted.page);
        }
    }

    // Each window carries its form name, so that openers and the scenario runner find it.
    void everyWindowIsNamedByItsForm() {
        WindowRegistry& registry = WindowRegistry::instance();
        for (const QString& form : registry.known())
            QCOMPARE(registry.window(form)->objectName(), form);
    }
};

QTEST_MAIN(OpeningsTest)
#include "openings_test.moc"
