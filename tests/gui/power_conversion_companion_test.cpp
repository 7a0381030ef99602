// The power conversion window serves the compensation windows as a companion: opened beside a
// tool it offers "Bu Bölümü Kapat" in place of "Ana Menüye Dön", which hides only itself; opened
// from a menu afterwards it is a tool again.
#include "app/startup.h"
#include "gui/forms.h"
#include "gui/openings.h"
#include "gui/tool_window.h"
#include "gui/window_registry.h"

#include <QPushButton>
#include <QTest>

using namespace voltaris;
using namespace voltaris::gui;

class PowerConversionCompanionTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { app::registerWindows(); }

    void companionThenTool() {
        QWidget* menu = window(forms::kMainMenu);
        menu->show();
        QWidget* tool = openAsTool(forms::kAcPower, menu);
        const Opening beside{forms::kAcPower, QStringLiteral("Command1"), forms::kPowerConversion,
                             OpenAs::Companion};
        QWidget* conversion = open(beside, tool);
        QVERIFY(conversion && conversion->isVisible());
        const auto button = [conversion](const char* name) {
            return conversion->findChild<QPushButton*>(QString::fromLatin1(name));
        };
        QVERIFY(!button("Command4")->isHidden());
        QVERIFY(button("Command3")->isHidden());

        button("Command4")->click();
        QVERIFY(!conversion->isVisible());
        QVERIFY(tool->isVisible());

        openAsTool(forms::kPowerConversion, tool);
        QVERIFY(!button("Command3")->isHidden());
        QVERIFY(button("Command4")->isHidden());
        button("Command3")->click();
        QVERIFY(menu->isVisible());
        QVERIFY(!conversion->isVisible());
    }
};

QTEST_MAIN(PowerConversionCompanionTest)
#include "power_conversion_companion_test.moc"
