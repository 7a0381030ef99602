#include "gui/lowvoltage/consumption_window.h"

#include "core/lowvoltage/simple_consumption.h"
#include "gui/default_buttons.h"
#include "gui/fields.h"
#include "gui/lowvoltage/cable_widgets.h"
#include "gui/lowvoltage/compensation_widgets.h"
#include "gui/messages.h"
#include "gui/options.h"
#include "gui/text.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

namespace sc = simple_consumption;

QString textName(int number) {
    return QStringLiteral("Text%1").arg(number);
}

QComboBox* listOf(const QString& name, const QString& label,
                  const std::vector<std::string>& entries, int initial = 0) {
    auto* list = new QComboBox;
    list->setObjectName(name);
    list->setAccessibleName(label);
    for (const std::string& entry : entries)
        list->addItem(qs(entry));
    list->setCurrentIndex(initial);
    return list;
}

std::vector<std::string> voltageRatios() {
    std::vector<std::string> ratios;
    for (const sc::VoltageTransformer& transformer : sc::kVoltageTransformers)
        ratios.emplace_back(transformer.ratio);
    return ratios;
}

// A row of results: its caption, the energy in kWh and its cost in TL. Gives the row's widgets.
QList<QWidget*> addCostRow(QGridLayout* grid, QLabel* caption, QLineEdit* energy,
                           QLabel* costCaption, QLineEdit* cost) {
    const int row = grid->rowCount();
    const QList<QWidget*> widgets = {caption,     energy, makeUnitLabel(QStringLiteral("kWh")),
                                     costCaption, cost,   makeUnitLabel(QStringLiteral("TL"))};
    for (int column = 0; column < widgets.size(); ++column)
        grid->addWidget(widgets[column], row, column);
    return widgets;
}

// Controls side by side beside a field's unit (a rate's mark, its "Not").
QWidget* besideUnit(const QString& unit, const QList<QWidget*>& controls) {
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    for (QWidget* control : controls)
        row->addWidget(control);
    row->addStretch(1);
    return besideField(unit, box);
}

QLabel* caption(const QString& text) {
    return new QLabel(text);
}

} // namespace

ConsumptionWindow::ConsumptionWindow()
    : ToolWindow(kForm, QStringLiteral("Basit Elektrik Tüketim Hesaplama")) {
    auto* layout = new QVBoxLayout(this);
    buildMenus();
    auto* tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("SSTab1"));
    tabs->setAccessibleName(windowTitle());
    // Every tab's caption shows whole.
    tabs->setUsesScrollButtons(false);
    tabs->setElideMode(Qt::ElideNone);
    tabs->addTab(buildDevicePage(), QStringLiteral("Cihaz Gücüne Göre Hesaplama"));
    tabs->addTab(buildLowVoltagePage(), QStringLiteral("AG Ölçüm: Tüketime Göre Hesaplama"));
    tabs->addTab(buildMediumVoltagePage(), QStringLiteral("OG Ölçüm: Tüketime Göre Hesaplama"));
    layout->addWidget(tabs, 1);
    auto* clearButton = makeButton(QStringLiteral("Command4"), QStringLiteral("Hepsini Temizle"));
    auto* returnButton = makeReturnButton(QStringLiteral("Command5"));
    layout->addLayout(makeButtonRow({clearButton}, {returnButton}));
    connect(clearButton, &QPushButton::clicked, this, &ConsumptionWindow::clearAll);
    // The page in front makes its "Hesapla" the default button.
    new DefaultButtons(this, tabs,
                       {{computeDevice_, returnButton},
                        {computeLowVoltage_, returnButton},
                        {computeMediumVoltage_, returnButton}});
    showRates();
    power_->setFocus();
}

void ConsumptionWindow::buildMenus() {
    auto* menuBar = new QMenuBar(this);
    // `mn_guc` opens its window through the openings table.
    addConversionMenu(menuBar, {{QStringLiteral("mn_guc"), QStringLiteral("Güç")}});
    QMenu* extras = menuBar->addMenu(QStringLiteral("Ek Hesaplamalar"));
    connect(addMenuItem(extras, QStringLiteral("mn_akımtrhesapla"),
                        QStringLiteral("Akım Trafosu Hesaplama")),
            &QAction::triggered, this, &ConsumptionWindow::chooseTransformer);
    layout()->setMenuBar(menuBar);
}

QWidget* ConsumptionWindow::buildDevicePage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* grid = new FieldGrid;
    power_ =
        grid->addInput(textName(1), QStringLiteral("Cihazın Gücünü Giriniz"), QStringLiteral("W"));
    hours_ = grid->addInput(textName(2), QStringLiteral("Günlük Çalışma Zamanını Giriniz"),
                            QStringLiteral("Saat"));
    price_ = grid->addInput(textName(3), QStringLiteral("Elektrik Birim Fiyatını Giriniz"),
                            QStringLiteral("TL / kWh"));
    layout->addLayout(grid);
    auto* results = new QGridLayout;
    for (int i = 0; i < sc::kPeriodCount; ++i) {
        const QString period = qs(sc::kPeriods[i].caption);
        energy_[i] = makeResult(textName(6 + 2 * i), period);
        cost_[i] = makeResult(textName(7 + 2 * i), period + QStringLiteral(" Ücreti"));
        addCostRow(results, caption(period), energy_[i], caption(QStringLiteral("Ücreti")),
                   cost_[i]);
    }
    layout->addLayout(results);
    computeDevice_ = makeComputeButton(QStringLiteral("Command1"));
    layout->addStretch(1);
    layout->addLayout(makeButtonRow({computeDevice_}, {}));
    connect(computeDevice_, &QPushButton::clicked, this, &ConsumptionWindow::computeDevice);
    return page;
}

QWidget* ConsumptionWindow::buildLowVoltagePage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    tariffs_ = new OptionGroup(QStringLiteral("Tarife Seçeneği"),
                               {{QStringLiteral("Option1"), QStringLiteral("Normal Tarife")},
                                {QStringLiteral("Option2"), QStringLiteral("Puantlı Tarife")}},
                               0, 2);
    tariffs_->setObjectName(QStringLiteral("Frame1"));
    layout->addWidget(tariffs_);

    readings_ = new FieldGrid;
    lowTransformer_ =
        listOf(QStringLiteral("Combo1"), QStringLiteral("Akım Trafosu Dönüştürme Oranını Seçiniz"),
               sc::LowVoltageTransformers());
    readings_->addRow(QStringLiteral("Akım Trafosu Dönüştürme Oranını Seçiniz"), lowTransformer_);
    const struct {
        const char* energy;
        const char* price;
    } captions[] = {{"Gündüz Tarifesindeki Toplam Tüketilen Aktif Gücü Giriniz",
                     "Gündüz Tarifesi Elektrik Birim Fiyatını Giriniz"},
                    {"Puant Tarifesindeki Toplam Tüketilen Aktif Gücü Giriniz",
                     "Puant Tarifesi Elektrik Birim Fiyatını Giriniz"},
                    {"Gece Tarifesindeki Toplam Tüketilen Aktif Gücü Giriniz",
                     "Gece Tarifesi Elektrik Birim Fiyatını Giriniz"}};
    for (int i = 0; i < 3; ++i) {
        const QString energyCaption = QString::fromUtf8(captions[i].energy);
        const QString priceCaption = QString::fromUtf8(captions[i].price);
        rateEnergy_[i] = makeInput(textName(24 + 2 * i), energyCaption);
        ratePrice_[i] = makeInput(textName(25 + 2 * i), priceCaption);
        auto* note = makeButton(QStringLiteral("Command%1").arg(11 + i), QStringLiteral("Not"));
        connect(note, &QPushButton::clicked, this,
                [this, i] { ShowMessage(this, sc::MeterNote(threeRates(), i)); });
        auto* mark = new QLabel(QStringLiteral("T%1").arg(i + 1));
        auto* energyCaptionLabel = new QLabel(energyCaption);
        auto* priceCaptionLabel = new QLabel(priceCaption);
        readings_->addRow(energyCaptionLabel, rateEnergy_[i],
                          besideUnit(QStringLiteral("kWh"), {mark, note}));
        readings_->addRow(priceCaptionLabel, ratePrice_[i],
                          makeUnitLabel(QStringLiteral("TL / kWh")));
        if (i == 0) {
            firstEnergyCaption_ = energyCaptionLabel;
            firstPriceCaption_ = priceCaptionLabel;
            firstMark_ = mark;
        }
    }
    layout->addLayout(readings_);

    auto* rateResults = new QGridLayout;
    const char* rateNames[] = {"Gündüz Tarifesi Tüketimi", "Puant Tarifesi Tüketimi",
                               "Gece Tarifesi Tüketimi"};
    for (int i = 0; i < 3; ++i) {
        const QString name = QString::fromUtf8(rateNames[i]);
        rateTotalEnergy_[i] = makeResult(textName(32 + 2 * i), name);
        rateTotalCost_[i] = makeResult(textName(33 + 2 * i), name + QStringLiteral(" Ücreti"));
        rateResultRow_ += addCostRow(rateResults, caption(name), rateTotalEnergy_[i],
                                     caption(QStringLiteral("Ücreti")), rateTotalCost_[i]);
    }
    totalEnergy_ = makeResult(textName(30), QStringLiteral("Toplam Tüketim"));
    totalCost_ = makeResult(textName(31), QStringLiteral("Ücreti"));
    totalCostCaption_ = caption(QStringLiteral("Ücreti"));
    addCostRow(rateResults, caption(QStringLiteral("Toplam Tüketim")), totalEnergy_,
               totalCostCaption_, totalCost_);
    layout->addLayout(rateResults);

    computeLowVoltage_ = makeComputeButton(QStringLiteral("Command2"));
    layout->addStretch(1);
    layout->addLayout(makeButtonRow({computeLowVoltage_}, {}));
    connect(computeLowVoltage_, &QPushButton::clicked, this, &ConsumptionWindow::computeLowVoltage);
    connect(tariffs_, &OptionGroup::chosenChanged, this, &ConsumptionWindow::showRates);
    return page;
}

QWidget* ConsumptionWindow::buildMediumVoltagePage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* grid = new FieldGrid;
    mediumTransformer_ =
        listOf(QStringLiteral("Combo2"), QStringLiteral("Akım Trafosu Dönüştürme Oranını Seçiniz"),
               sc::MediumVoltageTransformers());
    grid->addRow(QStringLiteral("Akım Trafosu Dönüştürme Oranını Seçiniz"), mediumTransformer_);
    voltageTransformer_ = listOf(QStringLiteral("Combo3"),
                                 QStringLiteral("Gerilim Trafosu Dönüştürme Oranını Seçiniz"),
                                 voltageRatios(), sc::kVoltageTransformerAtOpening);
    grid->addRow(QStringLiteral("Gerilim Trafosu Dönüştürme Oranını Seçiniz"), voltageTransformer_);
    meterEnergy_ = makeInput(textName(38), QStringLiteral("Toplam Tüketilen Aktif Gücü Giriniz"));
    auto* note = makeButton(QStringLiteral("Command14"), QStringLiteral("Not"));
    connect(note, &QPushButton::clicked, this,
            [this] { ShowMessage(this, sc::MeterNote(false, 0)); });
    grid->addRow(QStringLiteral("Toplam Tüketilen Aktif Gücü Giriniz"), meterEnergy_,
                 besideUnit(QStringLiteral("kWh"), {note}));
    meterPrice_ = grid->addInput(textName(39), QStringLiteral("Elektrik Birim Fiyatını Giriniz"),
                                 QStringLiteral("TL / kWh"));
    layout->addLayout(grid);
    auto* results = new QGridLayout;
    meterTotal_ = makeResult(textName(40), QStringLiteral("Toplam Tüketim"));
    meterCost_ = makeResult(textName(41), QStringLiteral("Ücreti"));
    addCostRow(results, caption(QStringLiteral("Toplam Tüketim")), meterTotal_,
               caption(QStringLiteral("Ücreti")), meterCost_);
    layout->addLayout(results);
    computeMediumVoltage_ = makeComputeButton(QStringLiteral("Command3"));
    layout->addStretch(1);
    layout->addLayout(makeButtonRow({computeMediumVoltage_}, {}));
    connect(computeMediumVoltage_, &QPushButton::clicked, this,
            &ConsumptionWindow::computeMediumVoltage);
    return page;
}

bool ConsumptionWindow::threeRates() const {
    return tariffs_->chosen() == 1;
}

void ConsumptionWindow::showRates() {
    const bool three = threeRates();
    for (int i = 1; i < 3; ++i) {
        readings_->setRowVisible(rateEnergy_[i], three);
        readings_->setRowVisible(ratePrice_[i], three);
    }
    for (QWidget* widget : rateResultRow_)
        widget->setVisible(three);
    firstMark_->setVisible(three);
    firstEnergyCaption_->setText(
        three ? QStringLiteral("Gündüz Tarifesindeki Toplam Tüketilen Aktif Gücü Giriniz")
              : QStringLiteral("Toplam Tüketilen Aktif Gücü Giriniz"));
    firstPriceCaption_->setText(
        three ? QStringLiteral("Gündüz Tarifesi Elektrik Birim Fiyatını Giriniz")
              : QStringLiteral("Elektrik Birim Fiyatını Giriniz"));
    totalCostCaption_->setText(three ? QStringLiteral("Toplam Ücret") : QStringLiteral("Ücreti"));
}

void ConsumptionWindow::computeDevice() {
    sc::DeviceTexts start;
    for (int i = 0; i < sc::kPeriodCount; ++i) {
        start.energy[i] = utf8(energy_[i]->text());
        start.cost[i] = utf8(cost_[i]->text());
    }
    const Outcome<sc::DeviceTexts> outcome = sc::DeviceConsumption(
        utf8(power_->text()), utf8(hours_->text()), utf8(price_->text()), start);
    for (int i = 0; i < sc::kPeriodCount; ++i) {
        energy_[i]->setText(qs(outcome.texts.energy[i]));
        cost_[i]->setText(qs(outcome.texts.cost[i]));
    }
    MissingInputWarning(this, {power_, hours_, price_}, outcome);
}

void ConsumptionWindow::computeLowVoltage() {
    sc::MeterTexts start;
    std::array<sc::Reading, 3> readings;
    for (int i = 0; i < 3; ++i) {
        start.rates[i] = {utf8(rateTotalEnergy_[i]->text()), utf8(rateTotalCost_[i]->text())};
        readings[i] = {utf8(rateEnergy_[i]->text()), utf8(ratePrice_[i]->text())};
    }
    start.total = {utf8(totalEnergy_->text()), utf8(totalCost_->text())};
    const Outcome<sc::MeterTexts> outcome =
        sc::LowVoltageMeter(threeRates(), readings, utf8(lowTransformer_->currentText()), start);
    for (int i = 0; i < 3; ++i) {
        rateTotalEnergy_[i]->setText(qs(outcome.texts.rates[i].energy));
        rateTotalCost_[i]->setText(qs(outcome.texts.rates[i].cost));
    }
    totalEnergy_->setText(qs(outcome.texts.total.energy));
    totalCost_->setText(qs(outcome.texts.total.cost));
    MissingInputWarning(this,
                        {rateEnergy_[0], ratePrice_[0], rateEnergy_[1], ratePrice_[1],
                         rateEnergy_[2], ratePrice_[2]},
                        outcome);
}

void ConsumptionWindow::computeMediumVoltage() {
    const Outcome<sc::RateTexts> outcome = sc::MediumVoltageMeter(
        {utf8(meterEnergy_->text()), utf8(meterPrice_->text())},
        utf8(mediumTransformer_->currentText()),
        sc::kVoltageTransformers[static_cast<std::size_t>(voltageTransformer_->currentIndex())]
            .factor,
        {utf8(meterTotal_->text()), utf8(meterCost_->text())});
    meterTotal_->setText(qs(outcome.texts.energy));
    meterCost_->setText(qs(outcome.texts.cost));
    MissingInputWarning(this, {meterEnergy_, meterPrice_}, outcome);
}

void ConsumptionWindow::chooseTransformer() {
    PromptWarning(this, [this] {
        const sc::TransformerChoice choice =
            sc::ChooseTransformer(PromptNumber(this, qs(sc::kInstalledPowerPrompt)));
        lowTransformer_->setCurrentIndex(choice.index);
        ShowMessage(this, choice.message);
    });
}

void ConsumptionWindow::clearAll() {
    for (QLineEdit* field : findChildren<QLineEdit*>())
        field->clear();
    lowTransformer_->setCurrentIndex(0);
    mediumTransformer_->setCurrentIndex(0);
    voltageTransformer_->setCurrentIndex(sc::kVoltageTransformerAtOpening);
    tariffs_->choose(0);
}

} // namespace voltaris::gui
