#include "gui/circuits/heater_window.h"

#include "core/circuits/conductor_section.h"
#include "gui/circuits/conductor_widgets.h"
#include "gui/fields.h"
#include "gui/messages.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace voltaris::gui {

HeaterWindow::HeaterWindow() : ToolWindow(kForm, QStringLiteral("Isıtıcı Rezıstans Hesaplama")) {
    auto* layout = new QVBoxLayout(this);
    auto* menuBar = new QMenuBar(this);
    buildMenus(menuBar);
    layout->setMenuBar(menuBar);

    // One grid for the material, the inputs and the results, their fields in one column.
    auto* grid = new FieldGrid;
    material_ = addMaterialList(*grid, QStringLiteral("Combo2"), heater::kDefaultMaterial);
    length_ =
        grid->addInput(QStringLiteral("Text6"), QStringLiteral("İletkenin Uzunluğunu Giriniz"),
                       QStringLiteral("m"), QStringLiteral("Uzunluğu Metre Cinsinden Giriniz..."));
    diameter_ = grid->addInput(
        QStringLiteral("Text7"), QStringLiteral("İletkenin Çapı Giriniz"), QStringLiteral("mm"),
        QStringLiteral("İletkenin Kesitinin Çapını Milimetre Cinsinden Giriniz..."));
    voltage_ = grid->addInput(
        QStringLiteral("Text8"), QStringLiteral("Uygulanacak Gerilimi Giriniz"),
        QStringLiteral("V"),
        QStringLiteral("Isıtıcı Rezıstans'a Uygulanacak Gerilimi Volt Cinsinden Giriniz..."));
    voltage_->setText(qs(heater::kDefaultVoltage));

    resistance_ = makeResult(QStringLiteral("Text9"), QStringLiteral("İletkenin Direnci"));
    grid->addRow(QStringLiteral("İletkenin Direnci"), resistance_, makeOhmUnit());
    section_ = grid->addResult(QStringLiteral("Text10"), QStringLiteral("İletkenin Kesiti"),
                               QStringLiteral("mm²"));
    current_ = grid->addResult(QStringLiteral("Text11"), QStringLiteral("Çekilecek Akım"),
                               QStringLiteral("A"));
    power_ = grid->addResult(QStringLiteral("Text12"), QStringLiteral("Isıtıcının Gücü"),
                             QStringLiteral(" W"));
    density_ = grid->addResult(QStringLiteral("Text13"),
                               QStringLiteral("İletkenden Geçen Akım Yoğunluğu "),
                               QStringLiteral("A / mm²"));
    layout->addLayout(grid);
    layout->addStretch(1);

    auto* compute = makeComputeButton(QStringLiteral("Command4"));
    auto* note =
        makeButton(QStringLiteral("Command3"), QStringLiteral("Not"), QStringLiteral("Açıklama"));
    auto* clearButton = makeClearButton(QStringLiteral("Command5"));
    layout->addLayout(makeButtonRow({compute, note, clearButton},
                                    {makeReturnButton(QStringLiteral("Command1"))}));

    connect(compute, &QPushButton::clicked, this, &HeaterWindow::compute);
    connect(note, &QPushButton::clicked, this,
            [this] { ShowInformation(this, qs(heater::kNote)); });
    connect(clearButton, &QPushButton::clicked, this, &HeaterWindow::clear);
    length_->setFocus();
}

void HeaterWindow::buildMenus(QMenuBar* menuBar) {
    // The companion items are only built here (the openings table connects them); the
    // calculations are this window's own.
    QMenu* conversions =
        menuBar->addMenu(QStringLiteral("Elektrik ve Elektronik Kavramlar Arası Dönüşümü Aç"));
    addMenuItems(conversions, {{"mn_direnç", "Direnç As ve Üs Katları Arası Dönüşümü Aç"},
                               {"mn_Akım", "Akım As ve Üs Katları Arası Dönüşümü Aç"},
                               {"mn_güç", "Güç As ve Üs Katları Arası Dönüşümü Aç"},
                               {"mn_Gerilim", "Gerilim As ve Üs KAtları Arası Dönüşümü Aç"}});
    addMenuItems(menuBar->addMenu(QStringLiteral("Birim'ler Arası Çeviriyi Aç")),
                 {{"mn_Uzunluk", "Uzunluk Ölçümleri Çevirisini Aç"},
                  {"mn_alan", "Alan Ölçümleri Çevirisini Aç"},
                  {"mn_Enerji", "Enerji Birimleri Çevirisi Aç"}});

    QMenu* extras = menuBar->addMenu(QStringLiteral("Ek Hesaplamalar"));
    addMenuItems(extras,
                 {{"mn_AkımY", "Akım Yoğunluğu Bölümünü Aç"},
                  {"mn_DirS", "İletkenlerin Direnç Değerlerinin Sıcaklıkla Değişimi Bölümünü Aç"}});
    addPromptItem(
        this, extras, QStringLiteral("mn_ÇapÇ"),
        QStringLiteral("İletkenin Kesitini Biliyorum, Çapına Çevireceğim"),
        [this] {
            const double section = PromptNumber(this, qs(conductor_section::kSectionPrompt));
            diameter_->setText(qs(heater::DiameterText(section)));
            ShowResultBox(this, qs(heater::kDiameterTransferred));
        },
        kEnterValue);
    energy_ = addPromptItem(
        this, extras, QStringLiteral("mn_Jul"), QStringLiteral("Jul Hesabı"),
        [this] {
            const double hours = PromptNumber(this, qs(heater::kHoursPrompt));
            ShowResultBox(this, qs(heater::EnergyMessage(hours, utf8(voltage_->text()),
                                                         utf8(current_->text()))));
        },
        kEnterValue);
    energy_->setEnabled(false);
    addPromptItem(
        this, extras, QStringLiteral("mn_kalor"),
        QStringLiteral("Su'yu Isıtmak İçin Gerekli Kalori Hesabı"),
        [this] {
            const double litres = PromptNumber(this, qs(heater::kLitresPrompt));
            const double temperature = PromptNumber(this, qs(heater::kTemperaturePrompt));
            ShowResultBox(this, qs(heater::WaterHeatMessage(litres, temperature)));
        },
        kEnterValues);
    addPromptItem(
        this, extras, QStringLiteral("mn_güçBul"), QStringLiteral("Kaloriden Güç Değerini Bulma"),
        [this] {
            const double calories = PromptNumber(this, qs(heater::kHeatPrompt));
            const double efficiency = PromptNumber(this, qs(heater::kEfficiencyPrompt));
            const double minutes = PromptNumber(this, qs(heater::kMinutesPrompt));
            ShowResultBox(this, qs(heater::PowerFromHeatMessage(calories, efficiency, minutes)));
        },
        kEnterValue);
}

void HeaterWindow::compute() {
    energy_->setEnabled(true);
    const Outcome<heater::Fields> outcome =
        heater::Compute(material_->currentIndex(),
                        {utf8(length_->text()), utf8(diameter_->text()), utf8(voltage_->text()),
                         utf8(resistance_->text()), utf8(section_->text()), utf8(current_->text()),
                         utf8(power_->text()), utf8(density_->text())});
    section_->setText(qs(outcome.texts.section));
    resistance_->setText(qs(outcome.texts.resistance));
    current_->setText(qs(outcome.texts.current));
    power_->setText(qs(outcome.texts.power));
    density_->setText(qs(outcome.texts.density));
    MissingInputWarning(this, {length_, diameter_, voltage_}, outcome,
                        qs(warnings::kEnterValuesAndMaterial));
}

void HeaterWindow::clear() {
    for (QLineEdit* field : {length_, diameter_, resistance_, section_, current_, power_, density_})
        field->clear();
    voltage_->setText(qs(heater::kDefaultVoltage));
    energy_->setEnabled(false);
}

} // namespace voltaris::gui
