#include "gui/lowvoltage/conduit_window.h"

#include "gui/fields.h"
#include "gui/live.h"
#include "gui/messages.h"
#include "gui/options.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <string>
#include <vector>

namespace voltaris::gui {

namespace {

const QString kMillimetre = QStringLiteral("mm");

} // namespace

ConduitWindow::ConduitWindow()
    : ToolWindow(kForm,
                 QStringLiteral("Kablolar İçin Koruyucu Boru Çapı Seçimi/Hesaplama Bölümü")) {
    auto* layout = new QVBoxLayout(this);
    auto* menuBar = new QMenuBar(this);
    layout->setMenuBar(menuBar);
    buildMenus(menuBar);

    auto* tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("SSTab1"));
    tabs->setAccessibleName(windowTitle());
    tabs->addTab(buildTablePage(), QStringLiteral("Tablodan Boru Çapı Seçimi"));
    tabs->addTab(buildCalculationPage(), QStringLiteral("Boru Çapı Hesaplama"));
    layout->addWidget(tabs, 1);
    layout->addLayout(makeButtonRow({}, {makeReturnButton(QStringLiteral("Command1"))}));

    // The table page's fields show the chosen section's row, put back at every tick.
    new WindowTimer(this, QStringLiteral("Timer1"), [this] { showTableRow(); });
    connect(tabs, &QTabWidget::currentChanged, this, [this](int page) {
        (page == 0 ? static_cast<QWidget*>(section_) : diameter_)->setFocus();
    });
    section_->setFocus();
}

void ConduitWindow::buildMenus(QMenuBar* menuBar) {
    // The companion items are connected by the openings table.
    QMenu* units = menuBar->addMenu(QStringLiteral("Birimler Arası Çevirimi Aç"));
    addMenuItem(units, QStringLiteral("mn_uzunluk"),
                QStringLiteral("Uzunluk Ölçümleri Çevirisini Aç"));
    addMenuItem(units, QStringLiteral("mn_alan"), QStringLiteral("Alan Ölçümleri Çevirisini Aç"));

    // A menu command asking one value and answering in the "SONUÇ" box.
    const auto addPrompt = [this](QMenu* menu, const QString& name, const QString& caption,
                                  std::string_view prompt, std::string (*message)(double)) {
        connect(addMenuItem(menu, name, caption), &QAction::triggered, this, [=, this] {
            PromptWarning(this, [=, this] {
                ShowResultBox(this, qs(message(PromptNumber(this, qs(prompt)))));
            });
        });
    };
    QMenu* extras = menuBar->addMenu(QStringLiteral("Ek Hesaplamalar"));
    QMenu* sections = extras->addMenu(QStringLiteral("İletkenin Kesitini Hesaplama"));
    addPrompt(sections, QStringLiteral("mn_kesit"),
              QStringLiteral("İletkenlinin Kesitini Hesaplama"), conduit::kDiameterPrompt,
              conduit::SectionMessage);
    addMenuItem(sections, QStringLiteral("mn_cokkesıt"),
                QStringLiteral("Çok İletkenlilerde Kesit Hesaplama"));
    addPrompt(extras, QStringLiteral("mn_cap"),
              QStringLiteral("İletkenin Kesitini Biliyorum, Çapına Çevireceğim"),
              conduit::kSectionPrompt, conduit::DiameterMessage);
}

QWidget* ConduitWindow::buildTablePage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);

    QStringList sections;
    for (const std::string_view section : conduit::Sections())
        sections << qs(section);
    auto* choice = new FieldGrid;
    section_ =
        choice->addList(QStringLiteral("Combo1"), QStringLiteral("NYA İletken Kesitini Seçiniz"),
                        sections, 0, QStringLiteral("mm²"));
    layout->addLayout(choice);

    auto* frame = new QGroupBox(
        QStringLiteral("PVC Boru İçerisinden Geçecek Kablo Sayısına Göre Boru Çapını Seçiniz:"));
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* diameters = new FieldGrid(frame);
    for (int count = 1; count <= 4; ++count)
        tableDiameters_[static_cast<std::size_t>(count - 1)] =
            diameters->addResult(QStringLiteral("Text%1").arg(count),
                                 QStringLiteral("%1x Kablo İçin:").arg(count), kMillimetre);
    layout->addWidget(frame);

    // The whole table, its rows the sections, the chosen one marked; a click on a row chooses it.
    table_ = new QTableWidget(static_cast<int>(sections.size()), 4);
    table_->setObjectName(QStringLiteral("Table1"));
    table_->setAccessibleName(frame->title());
    QStringList counts;
    for (int count = 1; count <= 4; ++count)
        counts << QStringLiteral("%1x Kablo (mm)").arg(count);
    table_->setHorizontalHeaderLabels(counts);
    QStringList rows;
    for (int row = 0; row < sections.size(); ++row) {
        rows << sections[row] + QStringLiteral(" mm²");
        const auto texts = conduit::TableTexts(row);
        for (int column = 0; column < 4; ++column) {
            auto* item = new QTableWidgetItem(qs((*texts)[static_cast<std::size_t>(column)]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(row, column, item);
        }
    }
    table_->setVerticalHeaderLabels(rows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Every column and row shows whole: the table is as wide and as tall as its headers and cells.
    QHeaderView* header = table_->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Stretch);
    int width = table_->verticalHeader()->sizeHint().width() + 2 * table_->frameWidth();
    for (int column = 0; column < table_->columnCount(); ++column)
        width += header->sectionSizeHint(column);
    table_->setMinimumWidth(width);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setMinimumHeight(table_->horizontalHeader()->sizeHint().height() +
                             table_->verticalHeader()->length() + 2 * table_->frameWidth());
    connect(table_, &QTableWidget::cellClicked, section_, &QComboBox::setCurrentIndex);
    layout->addWidget(table_);
    layout->addStretch(1);
    return page;
}

QWidget* ConduitWindow::buildCalculationPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);

    cableKind_ = new OptionGroup(QStringLiteral("Kablo Tipini Seçiniz"),
                                 {{QStringLiteral("Option1"), QStringLiteral("Zırhsız Kablo")},
                                  {QStringLiteral("Option2"), QStringLiteral("Zırhlı Kablo")}},
                                 0, 2);
    cableKind_->setObjectName(QStringLiteral("Frame2"));
    layout->addWidget(cableKind_);

    auto* grid = new FieldGrid;
    diameter_ = grid->addInput(QStringLiteral("Text5"), QStringLiteral("Kablo Dış Çapını Giriniz"),
                               kMillimetre);
    cables_ = new QListWidget;
    cables_->setObjectName(QStringLiteral("List1"));
    cables_->setAccessibleName(QStringLiteral("Kablolar"));
    cables_->setMinimumHeight(cables_->fontMetrics().height() * 6);
    const int listRow = grid->rowCount();
    grid->addWidget(cables_, listRow, 1);
    grid->setRowStretch(listRow, 1); // the list takes the page's free height
    // The conduit's diameter in inches and in centimetres, side by side.
    inches_ = makeResult(QStringLiteral("Text6"), QStringLiteral("Hesaplanan Boru Çapı"));
    centimetres_ = makeResult(QStringLiteral("Text7"), QStringLiteral("Hesaplanan Boru Çapı (cm)"));
    auto* result = new QWidget;
    auto* resultRow = new QHBoxLayout(result);
    resultRow->setContentsMargins(0, 0, 0, 0);
    resultRow->addWidget(inches_, 1);
    resultRow->addWidget(makeUnitLabel(QStringLiteral("İnç")));
    resultRow->addWidget(centimetres_, 1);
    resultRow->addWidget(makeUnitLabel(QStringLiteral("cm")));
    grid->addRow(QStringLiteral("Hesaplanan Boru Çapı"), result);
    layout->addLayout(grid, 1);

    auto* compute = makeButton(QStringLiteral("Command2"), QStringLiteral("Hesapla"));
    auto* clearButton = makeButton(QStringLiteral("Command3"), QStringLiteral("Temizle"),
                                   QStringLiteral("Hesabı Sil"));
    layout->addLayout(makeButtonRow({compute, clearButton}, {}));
    connect(compute, &QPushButton::clicked, this, &ConduitWindow::compute);
    connect(clearButton, &QPushButton::clicked, this, &ConduitWindow::clear);
    return page;
}

void ConduitWindow::showTableRow() {
    const int row = section_->currentIndex();
    const auto texts = conduit::TableTexts(row);
    if (!texts)
        return;
    for (std::size_t i = 0; i < texts->size(); ++i)
        writeResult(tableDiameters_[i], qs((*texts)[i]));
    if (table_->currentRow() != row)
        table_->selectRow(row);
}

void ConduitWindow::lockCableKinds(bool locked) {
    for (QRadioButton* kind : cableKind_->findChildren<QRadioButton*>())
        kind->setEnabled(!locked);
}

void ConduitWindow::compute() {
    // The cable kinds stay as they are until "Temizle", even when the diameter is no number.
    lockCableKinds(true);
    conduit::Calculation shown;
    shown.cables.sumOfSquares = sumOfSquares_;
    for (int row = 0; row < cables_->count(); ++row)
        shown.cables.lines.push_back(utf8(cables_->item(row)->text()));
    shown.inches = utf8(inches_->text());
    shown.centimetres = utf8(centimetres_->text());
    const conduit::Cable kind =
        cableKind_->chosen() == 0 ? conduit::Cable::Unarmoured : conduit::Cable::Armoured;
    const Outcome<conduit::Calculation> outcome =
        conduit::Add(utf8(diameter_->text()), kind, std::move(shown));

    sumOfSquares_ = outcome.texts.cables.sumOfSquares;
    const std::vector<std::string>& lines = outcome.texts.cables.lines;
    for (auto line = lines.begin() + cables_->count(); line != lines.end(); ++line) {
        cables_->addItem(qs(*line));
        cables_->setCurrentRow(cables_->count() - 1); // the cable just added, marked
    }
    inches_->setText(qs(outcome.texts.inches));
    centimetres_->setText(qs(outcome.texts.centimetres));
    MissingInputWarning(this, {diameter_}, outcome, kEnterValue);
}

void ConduitWindow::clear() {
    for (QLineEdit* field : {diameter_, inches_, centimetres_})
        field->clear();
    cables_->clear();
    sumOfSquares_ = 0;
    lockCableKinds(false);
}

} // namespace voltaris::gui
