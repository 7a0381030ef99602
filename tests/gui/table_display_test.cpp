// The table display window's tables are real tables: the user selects cells and copies them as
// tab-separated lines (whole rows with their headers), and cannot edit them.
#include "app/startup.h"
#include "gui/forms.h"
#include "gui/openings.h"
#include "gui/reference_table.h"
#include "gui/window_registry.h"

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTest>

using namespace voltaris;
using namespace voltaris::gui;

class TableDisplayTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { app::registerWindows(); }

    void copiesTheSelectionAsTabSeparatedLines() {
        QWidget* lighting = openAsTool(forms::kLighting, window(forms::kMainMenu));
        lighting->findChild<QPushButton*>(QStringLiteral("Command5"))->click();
        QWidget* display = window(forms::kTableDisplay);
        QVERIFY(display->isVisible());
        auto* table = display->findChild<ReferenceTable*>(QStringLiteral("Table1"));
        QVERIFY(table && table->isVisibleTo(display));
        QVERIFY(
            !display->findChild<ReferenceTable*>(QStringLiteral("Table3"))->isVisibleTo(display));

        // Two whole rows: the headers (their line breaks as spaces) come first.
        table->selectRow(0);
        table->setRangeSelected(QTableWidgetSelectionRange(2, 0, 2, 3), true);
        QCOMPARE(table->selectedText(),
                 QStringLiteral("Yansıma Türü\tMalzeme\tYansıtma Katsayısı (%)\tGeçirme Katsayısı "
                                "(%)\nAynasal\tAynalı ve optik kaplamalı cam\t80 – 99\t–\n"
                                "Aynasal\tİşlenmiş, eloksallı ve kaplamalı alüminyum\t75 – 95\t–"));
        // Cells alone, by row and column whatever the order they were chosen in.
        table->clearSelection();
        table->setRangeSelected(QTableWidgetSelectionRange(1, 2, 1, 2), true);
        table->setRangeSelected(QTableWidgetSelectionRange(0, 1, 0, 2), true);
        QCOMPARE(table->selectedText(),
                 QStringLiteral("Aynalı ve optik kaplamalı cam\t80 – 99\n75 – 97"));
        table->setFocus();
        QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), table->selectedText());

        QVERIFY(!(table->item(0, 1)->flags() & Qt::ItemIsEditable));
        QTest::keyClick(table, Qt::Key_X);
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("Aynalı ve optik kaplamalı cam"));
    }
};

QTEST_MAIN(TableDisplayTest)
#include "table_display_test.moc"
