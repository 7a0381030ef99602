#include "gui/lowvoltage/rating_correction_window.h"

#include "gui/fields.h"
#include "gui/messages.h"
#include "gui/options.h"
#include "gui/reference_table.h"
#include "gui/text.h"
#include "gui/text_report.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace voltaris::gui {

using namespace rating_correction;

namespace {

QStringList Texts(const std::vector<std::string>& entries) {
    QStringList texts;
    for (const std::string& entry : entries)
        texts.append(qs(entry));
    return texts;
}

// The index of `text` among `entries`, or 0 when it is not there.
int IndexOf(const std::vector<std::string>& entries, const QString& text) {
    const auto found = std::find(entries.begin(), entries.end(), utf8(text));
    return found == entries.end() ? 0 : static_cast<int>(found - entries.begin());
}

// Gives `list` the entries (when they are not its entries already) and chooses `index`, without
// the list telling anyone.
void Fill(QComboBox* list, const std::vector<std::string>& entries, int index) {
    const QSignalBlocker blocker(list);
    const QStringList texts = Texts(entries);
    QStringList current;
    for (int i = 0; i < list->count(); ++i)
        current.append(list->itemText(i));
    if (current != texts) {
        list->clear();
        list->addItems(texts);
    }
    list->setCurrentIndex(texts.isEmpty() ? -1 : index);
}

QComboBox* MakeList(const QString& name, const QString& label) {
    auto* list = new QComboBox;
    list->setObjectName(name);
    list->setAccessibleName(label);
    return list;
}

// A table of the standard: its row heads in the first column under the head with their unit,
// its values right-aligned. Always whole: the window makes room for the largest table, whichever
// page shows.
QTableWidget* MakeFactorTable(const QString& name, const rating_correction::ReferenceTable& data) {
    QStringList headers{qs(data.corner)};
    headers.append(Texts(data.columns));
    QList<QStringList> rows;
    for (std::size_t row = 0; row < data.rows.size(); ++row)
        rows.append(QStringList{qs(data.rows[row])} + Texts(data.cells[row]));
    auto* table = new gui::ReferenceTable(name, headers, rows);
    table->setAccessibleName(QStringLiteral("Çizelge ") + qs(data.number));
    for (std::size_t column = 0; column < data.columnTips.size(); ++column)
        table->horizontalHeaderItem(static_cast<int>(column) + 1)
            ->setToolTip(qs(data.columnTips[column]));
    for (int row = 0; row < table->rowCount(); ++row)
        for (int column = 1; column < table->columnCount(); ++column)
            if (QTableWidgetItem* cell = table->item(row, column))
                cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table->setAlternatingRowColors(true);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setMinimumSize(table->sizeHint());
    return table;
}

QLabel* WrappedLabel(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

} // namespace

RatingCorrectionWindow::RatingCorrectionWindow()
    : ToolWindow(kForm, QStringLiteral("Kablo Akım Taşıma Düzeltme Faktörleri Bölümü")) {
    auto* layout = new QVBoxLayout(this);

    laying_ = new OptionGroup(QStringLiteral("Kablonun Döşendiği Yer"),
                              {{QStringLiteral("Option1"), qs(LayingName(Laying::Air))},
                               {QStringLiteral("Option2"), qs(LayingName(Laying::Ground))}});
    laying_->setObjectName(QStringLiteral("Frame1"));
    insulation_ =
        new OptionGroup(QStringLiteral("Yalıtım Malzemesi"),
                        {{QStringLiteral("Option3"), qs(InsulationName(Insulation::Pvc))},
                         {QStringLiteral("Option4"), qs(InsulationName(Insulation::Xlpe))}});
    insulation_->setObjectName(QStringLiteral("Frame2"));
    auto* options = new QHBoxLayout;
    options->addWidget(laying_);
    options->addWidget(insulation_);

    grid_ = new FieldGrid;
    rating_ = grid_->addInput(QStringLiteral("Text1"),
                              QStringLiteral("Kablonun Tablodaki Akım Taşıma Kapasitesi"),
                              QStringLiteral("A"));
    temperatureCaption_ = makeLabel(QStringLiteral("Label1"), {});
    temperature_ = MakeList(QStringLiteral("Combo1"), {});
    grid_->addRow(temperatureCaption_, temperature_, makeUnitLabel(QStringLiteral("°C")));
    arrangement_ = MakeList(QStringLiteral("Combo2"), QStringLiteral("Döşeme Şekli"));
    grid_->addRow(arrangement_->accessibleName(), arrangement_);
    clearance_ = MakeList(QStringLiteral("Combo3"), QStringLiteral("Kablolar Arası Açıklık"));
    grid_->addRow(clearance_->accessibleName(), clearance_);
    circuits_ =
        MakeList(QStringLiteral("Combo4"), QStringLiteral("Devre veya Çok Damarlı Kablo Sayısı"));
    grid_->addRow(circuits_->accessibleName(), circuits_);
    resistivity_ = MakeList(QStringLiteral("Combo5"), QStringLiteral("Toprağın Isıl Özdirenci"));
    resistivity_->addItems(Texts(ResistivityEntries()));
    grid_->addRow(resistivity_->accessibleName(), resistivity_,
                  makeUnitLabel(QStringLiteral("K·m/W")));
    // A gap between the choices and the results.
    grid_->setRowMinimumHeight(grid_->rowCount(), fontMetrics().height());
    temperatureFactor_ =
        grid_->addResult(QStringLiteral("Text2"), QStringLiteral("Sıcaklık Düzeltme Faktörü (k1)"));
    groupingFactor_ =
        grid_->addResult(QStringLiteral("Text3"), QStringLiteral("Gruplama Düzeltme Faktörü (k2)"));
    resistivityFactor_ = grid_->addResult(QStringLiteral("Text4"),
                                          QStringLiteral("Isıl Özdirenç Düzeltme Faktörü (k3)"));
    totalFactor_ =
        grid_->addResult(QStringLiteral("Text5"), QStringLiteral("Toplam Düzeltme Faktörü (k)"));
    corrected_ = grid_->addResult(QStringLiteral("Text6"),
                                  QStringLiteral("Düzeltilmiş Akım Taşıma Kapasitesi (Iz)"),
                                  QStringLiteral("A"));

    auto* choices = new QVBoxLayout;
    choices->addLayout(options);
    choices->addLayout(grid_);
    choices->addStretch(1);

    // The standard's tables, each on a page with its title and its note on use; the pages of the
    // tables the choice draws on show.
    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    for (int i = 0; i < kTableCount; ++i) {
        const rating_correction::ReferenceTable& data = Table(static_cast<TableId>(i));
        QTableWidget* table = MakeFactorTable(QStringLiteral("Table%1").arg(i + 1), data);
        tables_[static_cast<std::size_t>(i)] = table;
        auto* page = new QWidget;
        auto* pageLayout = new QVBoxLayout(page);
        pageLayout->addWidget(
            WrappedLabel(QStringLiteral("Çizelge %1: %2").arg(qs(data.number), qs(data.title))));
        pageLayout->addWidget(table);
        if (!data.note.empty())
            pageLayout->addWidget(WrappedLabel(qs(data.note)));
        pageLayout->addStretch(1);
        tabs_->addTab(page, qs(data.number + " " + data.tab));
    }
    auto* reference = new QVBoxLayout;
    reference->addWidget(tabs_, 1);
    reference->addWidget(makeLabel(QStringLiteral("Label2"), qs(kSource)));
    QLabel* conditions = makeLabel(QStringLiteral("Label3"), qs(kReferenceConditions));
    conditions->setWordWrap(true);
    reference->addWidget(conditions);

    auto* body = new QHBoxLayout;
    body->addLayout(choices);
    body->addSpacing(fontMetrics().horizontalAdvance(QStringLiteral("MM")));
    body->addLayout(reference, 1);
    layout->addLayout(body, 1);

    QPushButton* compute = makeComputeButton(QStringLiteral("Command1"));
    report_ = makeReportButton(QStringLiteral("Command5"));
    QPushButton* clearButton = makeClearButton(QStringLiteral("Command2"));
    layout->addLayout(makeButtonRow({compute, report_, clearButton},
                                    {makeCompanionCloseButton(QStringLiteral("Command6")),
                                     makeReturnButton(QStringLiteral("Command3"))}));

    // A choice shows the cell it picks, on the page of its table.
    connect(laying_, &OptionGroup::chosenChanged, this, &RatingCorrectionWindow::chooseLaying);
    connect(insulation_, &OptionGroup::chosenChanged, this, [this] { showChosenCells(0); });
    connect(temperature_, &QComboBox::currentIndexChanged, this, [this] { showChosenCells(0); });
    connect(arrangement_, &QComboBox::currentIndexChanged, this,
            &RatingCorrectionWindow::chooseArrangement);
    for (QComboBox* list : {clearance_, circuits_})
        connect(list, &QComboBox::currentIndexChanged, this, [this] { showChosenCells(1); });
    connect(resistivity_, &QComboBox::currentIndexChanged, this, [this] { showChosenCells(2); });
    connect(compute, &QPushButton::clicked, this, &RatingCorrectionWindow::compute);
    connect(report_, &QPushButton::clicked, this, &RatingCorrectionWindow::writeReport);
    connect(clearButton, &QPushButton::clicked, this, &RatingCorrectionWindow::clear);

    showChoice(Choice{});
    showChosenCells(0);
    rating_->setFocus();
}

Choice RatingCorrectionWindow::choice() const {
    Choice c;
    c.laying = static_cast<Laying>(laying_->chosen());
    c.insulation = static_cast<Insulation>(insulation_->chosen());
    c.temperature = temperature_->currentIndex();
    c.arrangement = arrangement_->currentIndex();
    c.clearance = std::max(clearance_->currentIndex(), 0);
    c.circuits = circuits_->currentIndex();
    c.resistivity = resistivity_->currentIndex();
    return c;
}

void RatingCorrectionWindow::showChoice(const Choice& c) {
    {
        const QSignalBlocker layingBlocker(laying_);
        const QSignalBlocker insulationBlocker(insulation_);
        laying_->choose(static_cast<int>(c.laying));
        insulation_->choose(static_cast<int>(c.insulation));
    }
    Fill(temperature_, TemperatureEntries(), c.temperature);
    Fill(arrangement_, ArrangementEntries(c.laying), c.arrangement);
    Fill(clearance_, ClearanceEntries(c), c.clearance);
    Fill(circuits_, CircuitEntries(c.laying), c.circuits);
    Fill(resistivity_, ResistivityEntries(), c.resistivity);

    const bool ground = c.laying == Laying::Ground;
    temperatureCaption_->setText(qs(TemperatureCaption(c.laying)));
    temperature_->setAccessibleName(temperatureCaption_->text());
    for (QWidget* control : {static_cast<QWidget*>(clearance_), static_cast<QWidget*>(resistivity_),
                             static_cast<QWidget*>(resistivityFactor_)})
        grid_->setRowVisible(control, ground);
    const std::vector<TableId> used = TablesOf(c);
    for (int i = 0; i < kTableCount; ++i)
        tabs_->setTabVisible(i, std::find(used.begin(), used.end(), static_cast<TableId>(i)) !=
                                    used.end());
}

void RatingCorrectionWindow::chooseLaying() {
    const Choice now = choice();
    // Air and ground temperatures are not the same thing: the list starts again at the rating
    // tables' own temperature; the number of circuits stays where the other laying has it.
    Choice next;
    next.laying = now.laying;
    next.insulation = now.insulation;
    next.temperature = ReferenceTemperatureIndex(now.laying);
    next.circuits = IndexOf(CircuitEntries(now.laying), circuits_->currentText());
    next.resistivity = now.resistivity;
    showChoice(next);
    showChosenCells(0);
}

void RatingCorrectionWindow::chooseArrangement() {
    // The clearance stays where the new arrangement's table has it.
    Choice next = choice();
    next.clearance = IndexOf(ClearanceEntries(next), clearance_->currentText());
    showChoice(next);
    showChosenCells(1);
}

void RatingCorrectionWindow::showChosenCells(std::size_t front) {
    const Choice c = choice();
    for (int i = 0; i < kTableCount; ++i) {
        QTableWidget* table = tables_[static_cast<std::size_t>(i)];
        const std::optional<Cell> cell = ChosenCell(static_cast<TableId>(i), c);
        if (cell) {
            table->setCurrentCell(cell->row, cell->column + 1);
            table->scrollToItem(table->currentItem());
        } else {
            table->setCurrentItem(nullptr);
            table->clearSelection();
        }
    }
    tabs_->setCurrentIndex(static_cast<int>(TablesOf(c).at(front)));
}

Fields RatingCorrectionWindow::fieldTexts() const {
    return {utf8(rating_->text()),         utf8(temperatureFactor_->text()),
            utf8(groupingFactor_->text()), utf8(resistivityFactor_->text()),
            utf8(totalFactor_->text()),    utf8(corrected_->text())};
}

void RatingCorrectionWindow::compute() {
    const Choice c = choice();
    const Outcome<Fields> outcome = rating_correction::Compute(c, fieldTexts());
    temperatureFactor_->setText(qs(outcome.texts.temperatureFactor));
    groupingFactor_->setText(qs(outcome.texts.groupingFactor));
    resistivityFactor_->setText(qs(outcome.texts.resistivityFactor));
    totalFactor_->setText(qs(outcome.texts.totalFactor));
    corrected_->setText(qs(outcome.texts.corrected));
    if (MissingInputWarning(this, {rating_}, outcome, qs(warnings::kEnterValuesAndFactors))) {
        computed_ = c;
        report_->setEnabled(true);
    }
}

void RatingCorrectionWindow::writeReport() {
    TextReport(this, qs(kReportName), ReportLines(computed_, fieldTexts()));
}

void RatingCorrectionWindow::clear() {
    for (QLineEdit* field : {rating_, temperatureFactor_, groupingFactor_, resistivityFactor_,
                             totalFactor_, corrected_})
        field->clear();
    showChoice(Choice{});
    showChosenCells(0);
    report_->setEnabled(false);
}

} // namespace voltaris::gui
