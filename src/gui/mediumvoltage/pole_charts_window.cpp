#include "gui/mediumvoltage/pole_charts_window.h"

#include "core/mediumvoltage/poles.h"
#include "gui/fields.h"
#include "gui/reference_table.h"
#include "gui/text.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

// The concrete poles: a row for each top load, a column for each height, the type in the cell.
QGroupBox* makeConcreteFrame() {
    QStringList headers = {QStringLiteral("Tepe Kuvveti (daN)")};
    const auto heights = poles::ConcreteHeights();
    for (std::string_view height : heights)
        headers << QStringLiteral("%1 m").arg(qs(height));
    QList<QStringList> rows;
    const auto loads = poles::ConcreteTopLoads();
    for (int l = 0; l < static_cast<int>(loads.size()); ++l) {
        QStringList row = {QString::number(loads[static_cast<std::size_t>(l)])};
        for (int h = 0; h < static_cast<int>(heights.size()); ++h)
            row << qs(poles::ConcreteType(h, l));
        rows << row;
    }
    auto* layout = new QVBoxLayout;
    layout->addWidget(makeLabel(QStringLiteral("Label1"),
                                QStringLiteral("Direk tipleri, tepe kuvvetine ve boya göre:")));
    auto* table = new ReferenceTable(QStringLiteral("Table1"), headers, rows);
    table->setAccessibleName(QStringLiteral("Beton Direk Bilgi Cetveli"));
    layout->addWidget(table);
    layout->addWidget(makeSourceNote(QStringLiteral("Label2"), qs(poles::ConcreteNotes())));
    layout->addWidget(makeSourceNote(QStringLiteral("Label3"), qs(poles::ConcreteSource())));
    layout->addStretch(1);
    QGroupBox* frame = makeFrame(QStringLiteral("Beton Direkler"), layout);
    frame->setObjectName(QStringLiteral("Frame1"));
    return frame;
}

// The steel lattice poles, a row each.
QGroupBox* makeLatticeFrame() {
    const QStringList headers = {QStringLiteral("Direk\nİsmi"),
                                 QStringLiteral("Görevi"),
                                 QStringLiteral("Rüzgar\nAçıklığı\naw (m)"),
                                 QStringLiteral("Ağırlık\nAçıklığı\nag (m)"),
                                 QStringLiteral("Hat\nAçısı\nKT"),
                                 QStringLiteral("Tepe\nGenişliği\n(mm)"),
                                 QStringLiteral("Dip\nGenişliği\n(mm)"),
                                 QStringLiteral("Dikmeler"),
                                 QStringLiteral("Çaprazlar"),
                                 QStringLiteral("Ağırlık\n(kg)")};
    QList<QStringList> rows;
    for (const poles::LatticePole& pole : poles::LatticePoles())
        rows << QStringList{qs(pole.name),
                            qs(pole.duty),
                            QString::number(pole.windSpan),
                            QString::number(pole.weightSpan),
                            qs(pole.angle),
                            QString::number(pole.topWidth),
                            QString::number(pole.bottomWidth),
                            qs(pole.legs),
                            qs(pole.braces),
                            QString::number(pole.weight)};
    auto* layout = new QVBoxLayout;
    auto* table = new ReferenceTable(QStringLiteral("Table2"), headers, rows);
    table->setAccessibleName(QStringLiteral("Demir Direk Bilgi Cetveli"));
    layout->addWidget(table);
    layout->addWidget(makeSourceNote(QStringLiteral("Label4"), qs(poles::LatticeSource())));
    layout->addStretch(1);
    QGroupBox* frame = makeFrame(QStringLiteral("Demir (Kafes) Direkler"), layout);
    frame->setObjectName(QStringLiteral("Frame2"));
    return frame;
}

} // namespace

PoleChartsWindow::PoleChartsWindow() : ToolWindow(kForm, QStringLiteral("Direk Bilgi Cetveli")) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeConcreteFrame(), 1);
    layout->addWidget(makeLatticeFrame(), 1);
    layout->addLayout(makeButtonRow({}, {makeCompanionCloseButton(QStringLiteral("Command2")),
                                         makeReturnButton(QStringLiteral("Command1"))}));
}

void PoleChartsWindow::adjust(const Adjustments& adjustments) {
    ToolWindow::adjust(adjustments);
    fitToTables(this);
}

} // namespace voltaris::gui
