// Enter and Escape in a window with default and cancel buttons per tab page: they press the
// buttons of the page in front, from a numeric field too, instead of typing a ".".
#include "gui/default_buttons.h"
#include "gui/fields.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>

using namespace voltaris::gui;

namespace {

struct Page {
    QLineEdit* field;
    QPushButton* compute;
    QPushButton* clear;
};

Page addPage(QTabWidget* tabs, int number) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    Page built{makeInput(QStringLiteral("Text%1").arg(number), {}),
               makeButton(QStringLiteral("Compute%1").arg(number), QStringLiteral("Hesapla")),
               makeButton(QStringLiteral("Clear%1").arg(number), QStringLiteral("Temizle"))};
    layout->addWidget(built.field);
    layout->addWidget(built.compute);
    layout->addWidget(built.clear);
    tabs->addTab(page, QString::number(number));
    return built;
}

} // namespace

class DefaultButtonsTest : public QObject {
    Q_OBJECT

private slots:
    void enterAndEscapeFollowThePage() {
        QWidget window;
        auto* tabs = new QTabWidget(&window);
        (new QVBoxLayout(&window))->addWidget(tabs);
        const Page first = addPage(tabs, 1);
        const Page second = addPage(tabs, 2);
        new DefaultButtons(&window, tabs,
                           {{first.compute, first.clear}, {second.compute, second.clear}});
        window.show();
        QSignalSpy computed1(first.compute, &QPushButton::clicked);
        QSignalSpy cleared1(first.clear, &QPushButton::clicked);
        QSignalSpy computed2(second.compute, &QPushButton::clicked);
        QSignalSpy cleared2(second.clear, &QPushButton::clicked);

        QTest::keyClicks(first.field, QStringLiteral("12"));
        QTest::keyClick(first.field, Qt::Key_Return);
        QTest::keyClick(first.field, Qt::Key_Escape);
        QCOMPARE(first.field->text(), QStringLiteral("12")); // no "." typed
        QCOMPARE(computed1.count(), 1);
        QCOMPARE(cleared1.count(), 1);
        QVERIFY(first.compute->isDefault());

        tabs->setCurrentIndex(1);
        QVERIFY(!first.compute->isDefault());
        QVERIFY(second.compute->isDefault());
        QTest::keyClick(second.field, Qt::Key_Enter);
        QTest::keyClick(second.field, Qt::Key_Escape);
        QCOMPARE(computed2.count(), 1);
        QCOMPARE(cleared2.count(), 1);
        QCOMPARE(computed1.count(), 1);

        // A default button that cannot be pressed leaves Enter to the field's key filter.
        second.compute->setEnabled(false);
        QTest::keyClick(second.field, Qt::Key_Return);
        QCOMPARE(second.field->text(), QStringLiteral("."));
        QCOMPARE(computed2.count(), 1);
    }
};

QTEST_MAIN(DefaultButtonsTest)
#include "default_buttons_test.moc"
