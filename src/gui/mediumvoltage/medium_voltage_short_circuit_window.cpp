#include "gui/mediumvoltage/medium_voltage_short_circuit_window.h"

#include "gui/colours.h"
#include "gui/fields.h"
#include "gui/mediumvoltage/medium_voltage_lines_window.h"
#include "gui/messages.h"
#include "gui/openings.h"
#include "gui/text.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

namespace mvsc = medium_voltage_short_circuit;

const QString kImpedance = QStringLiteral("Toplam Empedans");
const QString kCurrent = QStringLiteral("Kısa Devre Akımı");

QString sumText(double value) {
    return qs(NumberText(value));
}

} // namespace

MediumVoltageShortCircuitWindow::MediumVoltageShortCircuitWindow()
    : ToolWindow(kForm, QStringLiteral("Orta Gerilim 3 Faz Kısa Devre Hesabı")) {
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    auto* inputs = new QVBoxLayout;

    auto* centre = new FieldGrid;
    highVoltage_ = centre->addInput(QStringLiteral("Text1"),
                                    QStringLiteral("Şebeke Yüksek Gerilim Değerini Giriniz"),
                                    QStringLiteral("kV"));
    voltage_ = centre->addInput(QStringLiteral("Text2"),
                                QStringLiteral("Şebeke Orta Gerilim Değerini Giriniz"),
                                QStringLiteral("kV"));
    networkPower_ = centre->addInput(QStringLiteral("Text3"), QStringLiteral("Şebeke Gücü Giriniz"),
                                     QStringLiteral("MVA"));
    initialPower_ = centre->addInput(
        QStringLiteral("Text4"), QStringLiteral("Şebekenin Başlangıç Kısa Devre Gücünü Giriniz"),
        QStringLiteral("MVA"));
    inputs->addWidget(makeFrame(QStringLiteral("Şalt Merkezi Bilgileri Giriniz"), centre));

    auto* transformer = new FieldGrid;
    transformerPower_ = transformer->addInput(QStringLiteral("Text5"),
                                              QStringLiteral("Güç Trafo'sunun Gücünü Giriniz"),
                                              QStringLiteral("MVA"));
    transformerLoss_ =
        transformer->addInput(QStringLiteral("Text6"),
                              QStringLiteral("Trafo Bakır Kayıbını Giriniz"), QStringLiteral("kW"));
    transformerUk_ = transformer->addInput(
        QStringLiteral("Text7"), QStringLiteral("Trafo Bağıl Kısa Devre Gerilimini Giriniz"),
        QStringLiteral("%uk"));
    inputs->addWidget(
        makeFrame(QStringLiteral("Güç Transformatörü Bilgileri Giriniz"), transformer));

    auto* customer = new FieldGrid;
    customerPower_ =
        customer->addInput(QStringLiteral("Text10"), QStringLiteral("Trafo'nun Gücünü Giriniz"),
                           QStringLiteral("MVA"));
    customerLoss_ =
        customer->addInput(QStringLiteral("Text9"), QStringLiteral("Trafo Bakır Kayıbını Giriniz"),
                           QStringLiteral("kW"));
    customerUk_ = customer->addInput(QStringLiteral("Text8"),
                                     QStringLiteral("Trafo Bağıl Kısa Devre Gerilimini Giriniz"),
                                     QStringLiteral("%Uk"));
    inputs->addWidget(
        makeFrame(QStringLiteral("Müşteri Transformatörü Bilgileri Giriniz"), customer));

    // The lines handed back, their sums in ohms (Label13, Label14) and in per cent (Label10,
    // Label11).
    auto* linesBox = new QVBoxLayout;
    auto* addLines =
        makeButton(QStringLiteral("Command1"), QStringLiteral("Listeye Enerji Nakil Hattı Ekle"));
    linesBox->addWidget(addLines, 0, Qt::AlignLeft);
    lines_ = new QListWidget;
    lines_->setObjectName(QStringLiteral("List1"));
    lines_->setMinimumHeight(80);
    linesBox->addWidget(lines_);
    auto* sums = new FieldGrid;
    resistance_ = makeLabel(QStringLiteral("Label13"), QStringLiteral("0"));
    reactance_ = makeLabel(QStringLiteral("Label14"), QStringLiteral("0"));
    resistancePercent_ = makeLabel(QStringLiteral("Label10"), QStringLiteral("0"));
    reactancePercent_ = makeLabel(QStringLiteral("Label11"), QStringLiteral("0"));
    sums->addRow(QStringLiteral("Hatların Toplam Direnci"), resistance_, makeOhmUnit());
    sums->addRow(QStringLiteral("Hatların Toplam Reaktansı"), reactance_, makeOhmUnit());
    sums->addRow(QStringLiteral("Hatların Yüzde Direnci"), resistancePercent_,
                 makeUnitLabel(QStringLiteral("%")));
    sums->addRow(QStringLiteral("Hatların Yüzde Reaktansı"), reactancePercent_,
                 makeUnitLabel(QStringLiteral("%")));
    linesBox->addLayout(sums);
    columns->addLayout(inputs);
    columns->addWidget(makeFrame(QStringLiteral("Enerji Nakil Hatlarını Ekleyiniz"), linesBox), 1);

    auto* results = new FieldGrid;
    centreImpedance_ = results->addResult(
        QStringLiteral("Text11"),
        QStringLiteral("Dağıtım Merkezi/KÖK Binasından Bakıldığında Toplam Empedans"),
        QStringLiteral("Ω"));
    centreCurrent_ = results->addResult(QStringLiteral("Text12"), kCurrent, QStringLiteral("kA"));
    lineEndImpedance_ = results->addResult(
        QStringLiteral("Text13"),
        QStringLiteral("Müşteri ENH Sonundan Bakıldığında Toplam Empedans"), QStringLiteral("Ω"));
    lineEndCurrent_ = results->addResult(QStringLiteral("Text14"), kCurrent, QStringLiteral("kA"));
    busbarImpedance_ = results->addResult(
        QStringLiteral("Text15"), QStringLiteral("AG Barasından Bakıldığında Toplam Empedans"),
        QStringLiteral("Ω"));
    busbarCurrent_ = results->addResult(QStringLiteral("Text16"), kCurrent, QStringLiteral("kA"));
    // The verdict sits beside the R/X value it judges.
    const QString ratioCaption = QStringLiteral("Dağıtım Merkezi/KÖK Binası %R / %X Değeri");
    ratio_ = makeResult(QStringLiteral("Text17"), ratioCaption);
    verdict_ = makeLabel(QStringLiteral("Label26"), {});
    results->addRow(ratioCaption, ratio_, verdict_);
    // Two breaking powers: from the current (Text20) and by the per-cent method (Text18).
    breakingPower_ = results->addResult(
        QStringLiteral("Text20"),
        QStringLiteral("Dağıtım Merkezi/KÖK Binasında Bulunan Kesicinin Kısa Devre Açma Gücü"),
        QStringLiteral("MVA"));
    percentBreakingPower_ = results->addResult(
        QStringLiteral("Text18"), QStringLiteral("Yüzde Empedans Yöntemiyle Kısa Devre Açma Gücü"),
        QStringLiteral("MVA"));
    impulseFactor_ =
        results->addResult(QStringLiteral("Text21"),
                           QStringLiteral("%R / %X Değerine Göre Darbe Katsayısını Giriniz"));
    peakCurrent_ = results->addResult(
        QStringLiteral("Text19"), QStringLiteral("Darbe Kısa Devre Akımı "), QStringLiteral("kA"));
    auto* peak =
        makeButton(QStringLiteral("Command3"), QStringLiteral("Darbe Kısa Devre Akımını Hesapla"));
    // The verdict beside Text17 must not squeeze the result column.
    for (QLineEdit* field : {centreImpedance_, centreCurrent_, lineEndImpedance_, lineEndCurrent_,
                             busbarImpedance_, busbarCurrent_, ratio_, breakingPower_,
                             percentBreakingPower_, impulseFactor_, peakCurrent_})
        fitGeneralNumbers(field);
    auto* resultsBox = new QVBoxLayout;
    resultsBox->addLayout(results);
    resultsBox->addWidget(peak, 0, Qt::AlignRight);
    layout->addLayout(columns);
    layout->addWidget(makeFrame(QStringLiteral("Jeneratörden Uzak Kısa Devre Hesabı"), resultsBox));

    auto* compute = makeComputeButton(QStringLiteral("Command2"));
    auto* clearButton = makeClearButton(QStringLiteral("Command5"));
    layout->addLayout(
        makeButtonRow({compute, clearButton}, {makeReturnButton(QStringLiteral("Command4"))}));

    connect(addLines, &QPushButton::clicked, this, &MediumVoltageShortCircuitWindow::openLines);
    connect(compute, &QPushButton::clicked, this, &MediumVoltageShortCircuitWindow::compute);
    connect(peak, &QPushButton::clicked, this, &MediumVoltageShortCircuitWindow::peakCurrent);
    connect(clearButton, &QPushButton::clicked, this, [this] {
        for (QLineEdit* field : findChildren<QLineEdit*>())
            field->clear();
    });
    highVoltage_->setFocus();
}

void MediumVoltageShortCircuitWindow::openLines() {
    if (voltage_->text().isEmpty() || networkPower_->text().isEmpty()) {
        ShowWarning(this, QStringLiteral("Orta Gerilim Değerini ve Şebeke Gücünü Giriniz...\n"
                                         "Bu İki Değeri Girmeden Hat Ekleyemezsiniz..."));
        return;
    }
    takenVoltage_ = utf8(voltage_->text());
    const Opening* opening = openingOf(kForm, QStringLiteral("Command1"));
    if (!opening)
        return;
    if (auto* linesWindow = qobject_cast<MediumVoltageLinesWindow*>(open(*opening, this)))
        linesWindow->setNetwork(TryReadNumber(takenVoltage_).value_or(0),
                                TryReadNumber(utf8(networkPower_->text())).value_or(0));
}

void MediumVoltageShortCircuitWindow::takeLines(const QStringList& entries,
                                                const mvsc::LineSums& sums) {
    lines_->clear();
    lines_->addItems(entries);
    lines_->setCurrentRow(lines_->count() - 1);
    sums_ = sums;
    resistance_->setText(sumText(sums.resistance));
    reactance_->setText(sumText(sums.reactance));
    resistancePercent_->setText(sumText(sums.resistancePercent));
    reactancePercent_->setText(sumText(sums.reactancePercent));
}

void MediumVoltageShortCircuitWindow::compute() {
    mvsc::Results shown{utf8(centreImpedance_->text()),
                        utf8(centreCurrent_->text()),
                        utf8(lineEndImpedance_->text()),
                        utf8(lineEndCurrent_->text()),
                        utf8(busbarImpedance_->text()),
                        utf8(busbarCurrent_->text()),
                        utf8(ratio_->text()),
                        mvsc::RatioVerdict::Unchanged,
                        utf8(percentBreakingPower_->text()),
                        utf8(breakingPower_->text()),
                        utf8(impulseFactor_->text()),
                        keptCurrent_};
    const Outcome<mvsc::Results> outcome =
        mvsc::Compute({takenVoltage_, utf8(networkPower_->text()), utf8(initialPower_->text()),
                       utf8(transformerPower_->text()), utf8(transformerLoss_->text()),
                       utf8(transformerUk_->text()), utf8(customerPower_->text()),
                       utf8(customerLoss_->text()), utf8(customerUk_->text()), sums_},
                      shown);
    const mvsc::Results& out = outcome.texts;
    centreImpedance_->setText(qs(out.centreImpedance));
    centreCurrent_->setText(qs(out.centreCurrent));
    lineEndImpedance_->setText(qs(out.lineEndImpedance));
    lineEndCurrent_->setText(qs(out.lineEndCurrent));
    busbarImpedance_->setText(qs(out.busbarImpedance));
    busbarCurrent_->setText(qs(out.busbarCurrent));
    ratio_->setText(qs(out.ratio));
    if (out.verdict != mvsc::RatioVerdict::Unchanged) {
        const bool suitable = out.verdict == mvsc::RatioVerdict::Suitable;
        verdict_->setText(qs(suitable ? mvsc::kSuitableRatio : mvsc::kUnsuitableRatio));
        setMeaningColour(verdict_, suitable ? kGreen : kRed);
        setMeaningColour(ratio_, suitable ? kGreen : kRed);
    }
    percentBreakingPower_->setText(qs(out.percentBreakingPower));
    breakingPower_->setText(qs(out.breakingPower));
    impulseFactor_->setText(qs(out.impulseFactor));
    keptCurrent_ = out.keptCurrent;
    MissingInputWarning(this,
                        {voltage_, networkPower_, initialPower_, transformerPower_,
                         transformerLoss_, transformerUk_, customerPower_, customerLoss_,
                         customerUk_},
                        outcome);
}

void MediumVoltageShortCircuitWindow::peakCurrent() {
    MissingInputWarning(this, {impulseFactor_}, [this] {
        const std::optional<std::string> peak =
            mvsc::PeakCurrent(utf8(impulseFactor_->text()), keptCurrent_);
        if (!peak)
            throw ComputeFailure("the impulse factor is no number");
        peakCurrent_->setText(qs(*peak));
    });
}

} // namespace voltaris::gui
