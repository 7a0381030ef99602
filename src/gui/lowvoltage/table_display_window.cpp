#include "gui/lowvoltage/table_display_window.h"

#include "core/lowvoltage/generator.h"
#include "core/lowvoltage/reference_tables.h"
#include "gui/fields.h"
#include "gui/reference_table.h"
#include "gui/text.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

// The controls of the window are numbered in the order they are made.
struct Numbering {
    int labels = 0;
    int tables = 0;
    QString nextLabel() { return QStringLiteral("Label%1").arg(++labels); }
    QString nextTable() { return QStringLiteral("Table%1").arg(++tables); }
};

// A table under its title, with the line naming its source under it.
void addTable(QVBoxLayout* layout, const reference_tables::Table& table, Numbering& numbering) {
    QLabel* title = makeLabel(numbering.nextLabel(), qs(table.title));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    QStringList headers;
    for (std::string_view header : table.headers)
        headers << qs(header);
    QList<QStringList> rows;
    for (const auto& row : table.rows) {
        QStringList cells;
        for (std::string_view cell : row)
            cells << qs(cell);
        rows << cells;
    }
    auto* grid = new ReferenceTable(numbering.nextTable(), headers, rows);
    grid->setAccessibleName(title->text());
    title->setBuddy(grid);
    QLabel* source = makeSourceNote(numbering.nextLabel(), qs(table.source));
    layout->addWidget(title);
    layout->addWidget(grid);
    layout->addWidget(source);
}

// One of the window's pictures: a frame of tables that an opener shows or hides whole.
QFrame* makePicture(const QString& name,
                    std::initializer_list<const reference_tables::Table*> tables,
                    Numbering& numbering) {
    auto* picture = new QFrame;
    picture->setObjectName(name);
    auto* layout = new QVBoxLayout(picture);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const reference_tables::Table* table : tables)
        addTable(layout, *table, numbering);
    layout->addStretch(1); // room the tables do not take stays under them
    return picture;
}

} // namespace

TableDisplayWindow::TableDisplayWindow() : ToolWindow(kForm, QStringLiteral("Görünteleme Ekranı")) {
    auto* layout = new QVBoxLayout(this);
    Numbering numbering;
    layout->addWidget(
        makePicture(QStringLiteral("Picture1"),
                    {&reference_tables::ReflectionFactors(), &reference_tables::RoomSurfaces()},
                    numbering),
        1);
    layout->addWidget(
        makePicture(QStringLiteral("Picture2"), {&reference_tables::SoilResistivity()}, numbering),
        1);
    layout->addWidget(makePicture(QStringLiteral("Picture3"),
                                  {&generator::DeratingTable(), &generator::StartingTable(),
                                   &generator::RatingsTable()},
                                  numbering),
                      1);
    layout->addLayout(makeButtonRow({}, {makeCompanionCloseButton(QStringLiteral("Command1"))}));
}

void TableDisplayWindow::adjust(const Adjustments& adjustments) {
    ToolWindow::adjust(adjustments);
    fitToTables(this);
}

} // namespace voltaris::gui
