#include "gui/lowvoltage/ac_power_window.h"

#include "core/numbers.h"
#include "gui/fields.h"
#include "gui/lowvoltage/power_triangle.h"
#include "gui/lowvoltage/power_widgets.h"
#include "gui/messages.h"
#include "gui/options.h"
#include "gui/text_report.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

using ac_power::Supply;

QLineEdit* addResultWithTip(FieldGrid* grid, const QString& name, const QString& label,
                            const QString& unit, const QString& toolTip) {
    QLineEdit* field = grid->addResult(name, label, unit);
    field->setToolTip(toolTip);
    return field;
}

} // namespace

AcPowerWindow::AcPowerWindow()
    : ToolWindow(kForm, QStringLiteral("Alternatif Akımda Güç Hesaplanması")) {
    auto* layout = new QVBoxLayout(this);

    // The conversion items open the quantity conversion window (the openings table).
    auto* menuBar = new QMenuBar(this);
    QMenu* conversions =
        menuBar->addMenu(QStringLiteral("Elektrik ve Elektronik Kavramlar Arası Dönüşümü Aç"));
    addMenuItem(conversions, QStringLiteral("mn_gerilim"),
                QStringLiteral("Gerilim As ve Üs Katları Arası Dönüşümü Aç"));
    addMenuItem(conversions, QStringLiteral("mn_akım"),
                QStringLiteral("Akım As ve Üs Katları Arası Dönüşümü Aç"));
    addMenuItem(conversions, QStringLiteral("mn_güç"),
                QStringLiteral("Güç As ve Üs Katları Arası Dönüşümü Aç"));
    QMenu* extras = menuBar->addMenu(QStringLiteral("Ek Hesaplamalar"));
    connect(addMenuItem(extras, QStringLiteral("mn_WtoA"),
                        QStringLiteral("Watt Değerinden Akım Hesaplama")),
            &QAction::triggered, this, &AcPowerWindow::currentFromPower);
    connect(addMenuItem(extras, QStringLiteral("mn_Cos"),
                        QStringLiteral("Seçilen Cosinüs Değeri İle İlgili Bilgiler")),
            &QAction::triggered, this, [this] { ShowCosineInfo(this, cosPhi_->currentText()); });
    layout->setMenuBar(menuBar);

    supplies_ = new OptionGroup(
        QStringLiteral("Gerilim Seçeneği"),
        {{QStringLiteral("Option1"), QStringLiteral("1 Faz AC Gerilim (220 Volt)")},
         {QStringLiteral("Option2"), QStringLiteral("3 Faz AC Gerilim (380 Volt)")},
         {QStringLiteral("Option3"), QStringLiteral("Gerilimi Ben Gireceğim (Monofaze)")},
         {QStringLiteral("Option4"), QStringLiteral("Gerilimi Ben Gireceğim (Trifaze)")}},
        0, 2);
    layout->addWidget(supplies_);

    auto* given = new FieldGrid;
    voltage_ = given->addInput(QStringLiteral("Text1"), QStringLiteral("Gerilimi Giriniz"),
                               QStringLiteral("V"));
    current_ = given->addInput(QStringLiteral("Text2"), QStringLiteral("Akımı Giriniz"),
                               QStringLiteral("A"));
    cosPhi_ = addPowerFactorList(given, QStringLiteral("Combo1"),
                                 QStringLiteral("Cosinüs Değerini Seçiniz"));
    auto* givenRow = new QHBoxLayout;
    givenRow->addWidget(makeFrame(QStringLiteral("Verilenler"), given), 1);
    givenRow->addWidget(new PowerTriangle(QStringLiteral("Picture1")));
    layout->addLayout(givenRow);

    auto* results = new FieldGrid;
    active_ = addResultWithTip(results, QStringLiteral("Text3"), QStringLiteral("Aktif Güç(P)"),
                               QStringLiteral(" W"), QStringLiteral("İş'e Dönüştürülen Güç"));
    reactive_ = addResultWithTip(results, QStringLiteral("Text4"), QStringLiteral("Reaktif Güç(Q)"),
                                 QStringLiteral("VAr"), QStringLiteral("Boş'a Giden Güç"));
    apparent_ =
        addResultWithTip(results, QStringLiteral("Text5"), QStringLiteral("Görünür Güç(S)"),
                         QStringLiteral("VA"), QStringLiteral("Şebeke'den Çekilen Bileşke Güç"));
    layout->addWidget(makeFrame(QStringLiteral("Sonuçlar"), results));

    // The voltage's values beside the current's.
    auto* voltageValues = new FieldGrid;
    voltageRms_ =
        voltageValues->addResult(QStringLiteral("Text9"), QStringLiteral("Gerilimin Etkin Değeri"));
    voltagePeak_ = voltageValues->addResult(QStringLiteral("Text7"),
                                            QStringLiteral("Gerilimin Maksimum Değeri"));
    voltageAverage_ = voltageValues->addResult(QStringLiteral("Text8"),
                                               QStringLiteral("Gerilimin Ortalama Değeri"));
    voltageInstant_ =
        voltageValues->addResult(QStringLiteral("Text6"), QStringLiteral("Gerilimin Ani Değeri"));
    auto* currentValues = new FieldGrid;
    currentRms_ =
        currentValues->addResult(QStringLiteral("Text10"), QStringLiteral("Akımın Etkin Değeri"));
    currentPeak_ = currentValues->addResult(QStringLiteral("Text11"),
                                            QStringLiteral("Akımın Maksimum Değeri"));
    currentAverage_ = currentValues->addResult(QStringLiteral("Text12"),
                                               QStringLiteral("Akımın Ortalama Değeri"));
    currentInstant_ =
        currentValues->addResult(QStringLiteral("Text13"), QStringLiteral("Akımın Ani Değeri"));
    widenForValues({voltageRms_, voltagePeak_, voltageAverage_, voltageInstant_, currentRms_,
                    currentPeak_, currentAverage_, currentInstant_});
    auto* values = new QHBoxLayout;
    values->addLayout(voltageValues, 1);
    values->addSpacing(fontMetrics().horizontalAdvance(QStringLiteral("MM")));
    values->addLayout(currentValues, 1);
    layout->addWidget(makeFrame(QStringLiteral("Ek Hesaplama Sonuçları"), values));

    auto* compute = makeComputeButton(QStringLiteral("Command1"));
    report_ = makeReportButton(QStringLiteral("Command4"));
    auto* clearButton = makeClearButton(QStringLiteral("Command3"));
    layout->addStretch(1);
    layout->addLayout(makeButtonRow({compute, report_, clearButton},
                                    {makeReturnButton(QStringLiteral("Command2"))}));

    // A click on a voltage choice, the chosen one too, puts its voltage back.
    for (QRadioButton* option : supplies_->findChildren<QRadioButton*>())
        connect(option, &QRadioButton::clicked, this, &AcPowerWindow::chooseSupply);
    connect(compute, &QPushButton::clicked, this, &AcPowerWindow::compute);
    connect(report_, &QPushButton::clicked, this, &AcPowerWindow::writeReport);
    connect(clearButton, &QPushButton::clicked, this, &AcPowerWindow::clear);

    // Opening: the 220 V choice, as if it had been clicked.
    chooseSupply();
    current_->setFocus();
}

Supply AcPowerWindow::supply() const {
    return static_cast<Supply>(supplies_->chosen());
}

void AcPowerWindow::chooseSupply() {
    const QString fixed = qs(ac_power::FixedVoltage(supply()));
    voltage_->setText(fixed);
    voltage_->setReadOnly(!fixed.isEmpty());
}

ac_power::Fields AcPowerWindow::fieldTexts() const {
    ac_power::Fields f;
    f.voltage = utf8(voltage_->text());
    f.current = utf8(current_->text());
    f.active = utf8(active_->text());
    f.reactive = utf8(reactive_->text());
    f.apparent = utf8(apparent_->text());
    f.voltageInstant = utf8(voltageInstant_->text());
    f.voltagePeak = utf8(voltagePeak_->text());
    f.voltageAverage = utf8(voltageAverage_->text());
    f.voltageRms = utf8(voltageRms_->text());
    f.currentRms = utf8(currentRms_->text());
    f.currentPeak = utf8(currentPeak_->text());
    f.currentAverage = utf8(currentAverage_->text());
    f.currentInstant = utf8(currentInstant_->text());
    return f;
}

void AcPowerWindow::compute() {
    storedCosPhi_ = cosPhi_->currentText();
    const Outcome<ac_power::Fields> outcome =
        ac_power::Compute(supply(), utf8(storedCosPhi_), fieldTexts());
    const ac_power::Fields& f = outcome.texts;
    active_->setText(qs(f.active));
    reactive_->setText(qs(f.reactive));
    apparent_->setText(qs(f.apparent));
    voltageInstant_->setText(qs(f.voltageInstant));
    voltagePeak_->setText(qs(f.voltagePeak));
    voltageAverage_->setText(qs(f.voltageAverage));
    voltageRms_->setText(qs(f.voltageRms));
    currentRms_->setText(qs(f.currentRms));
    currentPeak_->setText(qs(f.currentPeak));
    currentAverage_->setText(qs(f.currentAverage));
    currentInstant_->setText(qs(f.currentInstant));
    if (MissingInputWarning(this, {voltage_, current_}, outcome))
        report_->setEnabled(true);
}

void AcPowerWindow::currentFromPower() {
    ShowMessage(this, ac_power::WattHintMessage());
    double current = 0;
    const bool computed = PromptWarning(this, [this, &current] {
        const double power = PromptNumber(this, qs(ac_power::kPowerPrompt));
        current = ac_power::CurrentFromPower(supply(), power, utf8(voltage_->text()),
                                             utf8(cosPhi_->currentText()));
    });
    if (!computed)
        return;
    current_->setText(qs(RoundTripText(current)));
    compute();
    ShowMessage(this, ac_power::CurrentMessage(current));
}

void AcPowerWindow::writeReport() {
    TextReport(this, qs(ac_power::kReportName),
               ac_power::ReportLines(supply(), utf8(storedCosPhi_), utf8(cosPhi_->currentText()),
                                     fieldTexts()));
}

void AcPowerWindow::clear() {
    // The voltage is emptied too, even while a fixed choice locks it.
    for (QLineEdit* field : {voltage_, current_, active_, reactive_, apparent_, voltageInstant_,
                             voltagePeak_, voltageAverage_, voltageRms_, currentRms_, currentPeak_,
                             currentAverage_, currentInstant_})
        field->clear();
    report_->setEnabled(false);
}

} // namespace voltaris::gui
