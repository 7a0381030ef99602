#include "gui/lowvoltage/load_compensation_window.h"

#include "gui/fields.h"
#include "gui/lowvoltage/power_widgets.h"
#include "gui/messages.h"
#include "gui/options.h"
#include "gui/text_report.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

using load_compensation::Supply;

const QString kSingleCapacitance =
    QStringLiteral("Endüktif Alıcıya Bağlanacak Kondansatör'ün Kapasitesi");
const QString kStarCapacitance =
    QStringLiteral("Endüktif Alıcıya YILDIZ Bağlantı Şeklinde Bağlanacak Kondansatörün Kapasitesi");

} // namespace

LoadCompensationWindow::LoadCompensationWindow()
    : ToolWindow(kForm, QStringLiteral("Alternatif Akımda Endüktif Alıcının Güç Katsayısının "
                                       "Düzeltilmesi - Tek Tek Kompanzasyon  ")) {
    auto* layout = new QVBoxLayout(this);

    supply_ =
        new OptionGroup(QStringLiteral("Gerilim Seçeneği"),
                        {{QStringLiteral("Option1"), QStringLiteral("1 Faz AC Gerilim (220 V)")},
                         {QStringLiteral("Option2"), QStringLiteral("3 Faz AC Gerilim (380 V)")}},
                        0, 2);
    layout->addWidget(supply_);

    auto* grid = new FieldGrid;
    power_ =
        grid->addInput(QStringLiteral("Text2"), QStringLiteral("Endüktif Alıcının Gücünü Giriniz"),
                       QStringLiteral(" W"));
    current_ = grid->addInput(QStringLiteral("Text4"),
                              QStringLiteral("Endüktif Alıcının Çektiği Akımı Giriniz"),
                              QStringLiteral("A"));
    lists_ = addPowerFactorLists(grid, power::kDefaultPowerFactorIndex);
    frequency_ = grid->addInput(QStringLiteral("Text5"), QStringLiteral("Şebeke Frekansı"),
                                QStringLiteral("Hz"));
    frequency_->setText(qs(load_compensation::kDefaultFrequency));
    addResultsGap(grid);
    capacitorCurrent_ =
        grid->addResult(QStringLiteral("Text1"),
                        QStringLiteral("Endüktif Alıcıya Bağlanacak Kondansatör'ün Çekeceği Akım"),
                        QStringLiteral("A"));
    capacitorPower_ =
        grid->addResult(QStringLiteral("Text7"),
                        QStringLiteral("Endüktif Alıcıya Parelel Bağlanacak Kondansatör'ün Gücü"),
                        QStringLiteral("kVAr"));
    capacitance_ = makeResult(QStringLiteral("Text8"), kSingleCapacitance);
    capacitanceLabel_ = addNamedRow(grid, capacitance_, QStringLiteral("Label8"),
                                    kSingleCapacitance, QString(), QStringLiteral("µF"))
                            .caption;
    const QString delta = QStringLiteral(
        "Endüktif Alıcıya ÜÇGEN Bağlantı Şeklinde Bağlanacak Kondansatörün Kapasitesi");
    deltaCapacitance_ = makeResult(QStringLiteral("Text9"), delta);
    deltaLabels_ = addNamedRow(grid, deltaCapacitance_, QStringLiteral("Label9"), delta,
                               QStringLiteral("Label13"), QStringLiteral("µF"));
    fixColumnWidths(grid, {kStarCapacitance});
    layout->addLayout(grid);

    auto* compute = makeComputeButton(QStringLiteral("Command1"));
    report_ = makeReportButton(QStringLiteral("Command4"));
    auto* clearButton = makeClearButton(QStringLiteral("Command3"));
    layout->addStretch(1);
    layout->addLayout(makeButtonRow({compute, report_, clearButton},
                                    {makeReturnButton(QStringLiteral("Command2"))}));
    buildMenus(layout);

    connect(supply_, &OptionGroup::chosenChanged, this, &LoadCompensationWindow::showSupply);
    connect(compute, &QPushButton::clicked, this, &LoadCompensationWindow::compute);
    connect(report_, &QPushButton::clicked, this, &LoadCompensationWindow::writeReport);
    connect(clearButton, &QPushButton::clicked, this, &LoadCompensationWindow::clear);
    showSupply();
    power_->setFocus();
}

// The conversion, auxiliary and power conversion items open their windows through the openings
// table.
void LoadCompensationWindow::buildMenus(QLayout* layout) {
    auto* menuBar = new QMenuBar(this);
    addConversionMenu(menuBar, {{QStringLiteral("mn_akım"), QStringLiteral("Akım")},
                                {QStringLiteral("mn_güç"), QStringLiteral("Güç")},
                                {QStringLiteral("mn_kondansatör"), QStringLiteral("Kondansatör")}});
    addMenuItem(menuBar->addMenu(QStringLiteral("Elektrikte Kullanılan Yardımcı Programlar")),
                QStringLiteral("mn_Kapasitif"),
                QStringLiteral("Kondansatörün Kapasitif Reaktansı Hesaplanması Bölümünü Aç"));
    QMenu* extras = menuBar->addMenu(QStringLiteral("Ek Hesaplamalar"));
    addCosineInfoMenu(extras, this, lists_);
    // The watts go into the power field; nothing is computed.
    connect(addMenuItem(extras, QStringLiteral("mn_HPHesapla"),
                        QStringLiteral("Beygirgücü (HP) Değerini Watt Değerine Çevirme")),
            &QAction::triggered, this, [this] {
                ConvertHorsepower(this, [this](const QString& watts) { power_->setText(watts); });
            });
    addMenuItem(extras, QStringLiteral("Mn_GUCC"),
                QStringLiteral("Güçlerin Bir Birine Çevirilmesi Bölümünü Aç"));
    layout->setMenuBar(menuBar);
}

void LoadCompensationWindow::showSupply() {
    const bool three = supply() == Supply::ThreePhase;
    capacitanceLabel_->setText(three ? kStarCapacitance : kSingleCapacitance);
    capacitance_->setAccessibleName(capacitanceLabel_->text());
    for (QWidget* control :
         {static_cast<QWidget*>(deltaLabels_.caption), static_cast<QWidget*>(deltaCapacitance_),
          static_cast<QWidget*>(deltaLabels_.unit)})
        control->setVisible(three);
}

Supply LoadCompensationWindow::supply() const {
    return supply_->chosen() == 1 ? Supply::ThreePhase : Supply::SinglePhase;
}

load_compensation::Inputs LoadCompensationWindow::inputs() const {
    return {utf8(power_->text()), utf8(current_->text()), utf8(lists_.present->currentText()),
            utf8(lists_.wanted->currentText()), utf8(frequency_->text())};
}

load_compensation::Results LoadCompensationWindow::shown() const {
    return {utf8(capacitorCurrent_->text()), utf8(capacitorPower_->text()),
            utf8(capacitance_->text()), utf8(deltaCapacitance_->text()), tangents_};
}

void LoadCompensationWindow::compute() {
    const auto outcome = load_compensation::Compute(supply(), inputs(), shown());
    capacitorCurrent_->setText(qs(outcome.texts.capacitorCurrent));
    capacitorPower_->setText(qs(outcome.texts.capacitorPower));
    capacitance_->setText(qs(outcome.texts.capacitance));
    deltaCapacitance_->setText(qs(outcome.texts.deltaCapacitance));
    tangents_ = outcome.texts.tangents;
    if (MissingInputWarning(this, {power_, current_, frequency_}, outcome))
        report_->setEnabled(true);
}

void LoadCompensationWindow::writeReport() {
    TextReport(this, qs(load_compensation::kReportName),
               load_compensation::ReportLines(supply(), inputs(), shown()));
}

void LoadCompensationWindow::clear() {
    for (QLineEdit* field :
         {capacitorCurrent_, power_, current_, capacitorPower_, capacitance_, deltaCapacitance_})
        field->clear();
    frequency_->setText(qs(load_compensation::kDefaultFrequency));
    report_->setEnabled(false);
}

} // namespace voltaris::gui
