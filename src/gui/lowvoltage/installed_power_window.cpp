#include "gui/lowvoltage/installed_power_window.h"

#include "core/numbers.h"
#include "gui/fields.h"
#include "gui/lowvoltage/compensation_widgets.h"
#include "gui/messages.h"
#include "gui/reference_table.h"
#include "gui/text_report.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

namespace ip = installed_power;

const QString kKilowatt = QStringLiteral("kW");

QString numberText(double value) {
    return qs(NumberText(value));
}

// A slice of the installed power as the table names it: "8 - 50 kW", "50 kW üstü", "Tamamı".
QString sliceText(double lower, double upTo) {
    if (upTo == ip::kRest)
        return lower == 0 ? QStringLiteral("Tamamı")
                          : numberText(lower) + QStringLiteral(" kW üstü");
    return numberText(lower) + QStringLiteral(" - ") + numberText(upTo) + QStringLiteral(" kW");
}

// The kinds' slices and factors, a row each slice; the kind's name on its first row only.
QList<QStringList> bandRows() {
    QList<QStringList> rows;
    for (const ip::BuildingType& type : ip::BuildingTypes()) {
        double lower = 0;
        for (const ip::Band& band : type.bands) {
            rows << QStringList{lower == 0 ? qs(type.name) : QString(), sliceText(lower, band.upTo),
                                QStringLiteral("%") + numberText(band.factor * 100)};
            lower = band.upTo;
        }
    }
    return rows;
}

// Selects `count` whole rows of `table` from `first` and brings them into sight.
void selectRows(QTableWidget* table, int first, int count) {
    const QModelIndex top = table->model()->index(first, 0);
    table->selectionModel()->select(
        QItemSelection(top, table->model()->index(first + count - 1, table->columnCount() - 1)),
        QItemSelectionModel::ClearAndSelect);
    table->scrollTo(top);
}

QList<QStringList> flatCountRows() {
    QList<QStringList> rows;
    for (const ip::FlatCountBand& band : ip::FlatCountBands())
        rows << QStringList{qs(band.flats), numberText(band.factor)};
    return rows;
}

} // namespace

InstalledPowerWindow::InstalledPowerWindow()
    : ToolWindow(kForm, QStringLiteral("Kurulu Güç ve Talep Güç Hesaplama Bölümü")) {
    auto* layout = new QVBoxLayout(this);

    grid_ = new FieldGrid;
    QStringList kinds;
    for (const ip::BuildingType& type : ip::BuildingTypes())
        kinds << qs(type.name);
    kind_ = grid_->addList(QStringLiteral("Combo1"), QStringLiteral("Binanın Cinsini Seçiniz"),
                           kinds, ip::kDwelling);
    rule_ = makeLabel(QStringLiteral("Label1"), QString());
    grid_->addWidget(rule_, grid_->rowCount(), 1, 1, 2);
    addResultsGap(grid_);
    power_ = grid_->addInput(QStringLiteral("Text1"),
                             QStringLiteral("Bir Bölümün (Dairenin) Kurulu Gücü"), kKilowatt);
    units_ = grid_->addInput(QStringLiteral("Text2"), QStringLiteral("Bölüm (Daire) Sayısı"),
                             QStringLiteral("Adet"));
    addResultsGap(grid_);
    total_ =
        grid_->addResult(QStringLiteral("Text3"), QStringLiteral("Toplam Kurulu Güç"), kKilowatt);
    flat_ = grid_->addResult(QStringLiteral("Text4"), QStringLiteral("Bir Dairenin Talep Gücü"),
                             kKilowatt);
    building_ =
        grid_->addResult(QStringLiteral("Text5"), QStringLiteral("Bina Eşzamanlılık Katsayısı"));
    demand_ =
        grid_->addResult(QStringLiteral("Text6"), QStringLiteral("Toplam Talep Gücü"), kKilowatt);
    overall_ = grid_->addResult(QStringLiteral("Text7"),
                                QStringLiteral("Eşzamanlılık Katsayısı (Talep / Kurulu)"));
    fixColumnWidths(grid_);
    layout->addLayout(grid_);
    layout->addWidget(buildTables());
    layout->addStretch(1);

    auto* compute = makeComputeButton(QStringLiteral("Command1"));
    report_ = makeReportButton(QStringLiteral("Command8"));
    auto* clearButton = makeClearButton(QStringLiteral("Command3"));
    // Opens the flat installed power window beside this one (openings table).
    auto* flats =
        makeButton(QStringLiteral("Command2"), QStringLiteral("Daire Kurulu Gücünü Hesapla"));
    layout->addLayout(makeButtonRow({compute, report_, clearButton, flats},
                                    {makeReturnButton(QStringLiteral("Command4"))}));

    connect(compute, &QPushButton::clicked, this, &InstalledPowerWindow::compute);
    connect(clearButton, &QPushButton::clicked, this, &InstalledPowerWindow::clear);
    connect(report_, &QPushButton::clicked, this, [this] {
        TextReport(
            this, qs(ip::kReportName),
            ip::ReportLines({reportedKind_, utf8(power_->text()), utf8(units_->text()),
                             utf8(total_->text()), utf8(flat_->text()), utf8(building_->text()),
                             utf8(demand_->text()), utf8(overall_->text()), reportedFormula_}));
    });
    connect(kind_, &QComboBox::currentIndexChanged, this, &InstalledPowerWindow::showKind);
    showKind(ip::kDwelling);
    power_->setFocus();
}

QWidget* InstalledPowerWindow::buildTables() {
    auto* tables = new QHBoxLayout;
    byKind_ = new ReferenceTable(
        QStringLiteral("Table1"),
        {QStringLiteral("Binanın Cinsi"), QStringLiteral("Dilim"), QStringLiteral("Katsayı")},
        bandRows());
    byKind_->setAccessibleName(QStringLiteral("Binanın Cinsine Göre Eşzamanlılık Katsayıları"));
    byFlats_ = new ReferenceTable(QStringLiteral("Table2"),
                                  {QStringLiteral("Daire Sayısı"), QStringLiteral("Katsayı")},
                                  flatCountRows());
    byFlats_->setAccessibleName(QStringLiteral("Daire Sayısına Göre Eşzamanlılık Katsayıları"));
    tables->addWidget(byKind_);
    tables->addWidget(byFlats_);
    auto* content = new QVBoxLayout;
    content->addLayout(tables);
    QLabel* source = makeLabel(QStringLiteral("Label2"), qs(ip::kSource));
    source->setWordWrap(true);
    content->addWidget(source);
    return makeFrame(QStringLiteral("Eşzamanlılık Katsayıları"), content);
}

void InstalledPowerWindow::showKind(int type) {
    const auto kinds = ip::BuildingTypes();
    const ip::BuildingType& kind = kinds[static_cast<std::size_t>(type)];
    rule_->setText(qs(kind.rule));
    int first = 0;
    for (int i = 0; i < type; ++i)
        first += static_cast<int>(kinds[static_cast<std::size_t>(i)].bands.size());
    selectRows(byKind_, first, static_cast<int>(kind.bands.size()));
    grid_->setRowVisible(flat_, kind.dwelling);
    grid_->setRowVisible(building_, kind.dwelling);
}

void InstalledPowerWindow::takeFlatPower(const QString& kilowatts) {
    kind_->setCurrentIndex(ip::kDwelling);
    power_->setText(kilowatts);
}

void InstalledPowerWindow::compute() {
    const int type = kind_->currentIndex();
    const Outcome<ip::Texts> outcome =
        ip::Compute(type, utf8(power_->text()), utf8(units_->text()),
                    {utf8(total_->text()), utf8(flat_->text()), utf8(building_->text()),
                     utf8(demand_->text()), utf8(overall_->text()), reportedFormula_});
    total_->setText(qs(outcome.texts.total));
    flat_->setText(qs(outcome.texts.unitDemand));
    building_->setText(qs(outcome.texts.buildingFactor));
    demand_->setText(qs(outcome.texts.demand));
    overall_->setText(qs(outcome.texts.overallFactor));
    if (MissingInputWarning(this, {power_, units_}, outcome)) {
        reportedKind_ = type;
        reportedFormula_ = outcome.texts.formula;
        report_->setEnabled(true);
        if (outcome.texts.flatBand >= 0)
            selectRows(byFlats_, outcome.texts.flatBand, 1);
        else
            byFlats_->clearSelection();
    }
}

void InstalledPowerWindow::clear() {
    for (QLineEdit* field : {power_, units_, total_, flat_, building_, demand_, overall_})
        field->clear();
    kind_->setCurrentIndex(ip::kDwelling);
    byFlats_->clearSelection();
    report_->setEnabled(false);
}

} // namespace voltaris::gui
