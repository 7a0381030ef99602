#include "gui/lowvoltage/installation_compensation_window.h"

#include "gui/dialogs.h"
#include "gui/fields.h"
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

namespace core = installation_compensation;
using core::Installation;

const QString kLoadsPower = QStringLiteral("Tesisteki Alıcıların Toplam Gücünü Giriniz");
const QString kTransformerPower = QStringLiteral("Trafonun Görünür Gücünü Giriniz");

// The meter-based compensation's two boxes carry the application's title.
void showMeterNote(QWidget* parent, std::string_view text) {
    Dialogs::current().message(parent, kApplicationTitle, qs(text), BoxIcon::Information);
}

} // namespace

InstallationCompensationWindow::InstallationCompensationWindow()
    : ToolWindow(kForm, QStringLiteral("Komple Tesis Kompanzasyonu")) {
    auto* layout = new QVBoxLayout(this);

    installation_ = new OptionGroup(QStringLiteral("Tesisin Trafo Durumu"),
                                    {{QStringLiteral("Option1"), QStringLiteral("Trafo Yok")},
                                     {QStringLiteral("Option2"), QStringLiteral("Trafo Var")}},
                                    0, 2);
    layout->addWidget(installation_);

    auto* grid = new FieldGrid;
    power_ = makeInput(QStringLiteral("Text1"), kLoadsPower, kLoadsPower);
    powerLabels_ = addNamedRow(grid, power_, QStringLiteral("Label1"), kLoadsPower,
                               QStringLiteral("Label12"), QStringLiteral("kW"));
    lists_ = addPowerFactorLists(grid, core::kPresentCosDefault);
    addResultsGap(grid);
    capacitorPower_ = grid->addResult(QStringLiteral("Text2"),
                                      QStringLiteral("Tesise Yapılacak Kompanzasyon Sistemine "
                                                     "Bağlanacak Toplam Kondansatör Gücü"),
                                      QStringLiteral("kVAr"));
    current_ = grid->addResult(QStringLiteral("Text3"),
                               QStringLiteral("Tesisin Çektiği Toplam Akım"), QStringLiteral("A"));
    const QString drawn = QStringLiteral("Tesisin Trafodan Çektiği Güç");
    drawnPower_ = makeResult(QStringLiteral("Text4"), drawn);
    drawnLabels_ = addNamedRow(grid, drawnPower_, QStringLiteral("Label6"), drawn,
                               QStringLiteral("Label7"), QStringLiteral("kW"));
    const QString losses = QStringLiteral(
        "Trafoda Oluşacak Kayıpları Önlemek için Sabit Olarak Bağlanacak Kondansatör Gücü");
    lossesCapacitor_ = makeResult(QStringLiteral("Text5"), losses);
    lossesLabels_ = addNamedRow(grid, lossesCapacitor_, QStringLiteral("Label10"), losses,
                                QStringLiteral("Label11"), QStringLiteral("kVAr"));
    fixColumnWidths(grid, {kTransformerPower});
    layout->addLayout(grid);

    auto* compute = makeComputeButton(QStringLiteral("Command1"));
    report_ = makeReportButton(QStringLiteral("Command5"));
    auto* clearButton = makeClearButton(QStringLiteral("Command2"));
    auto* note = makeButton(QStringLiteral("Command4"), QStringLiteral("NOT"));
    layout->addStretch(1);
    layout->addLayout(makeButtonRow({compute, report_, clearButton, note},
                                    {makeReturnButton(QStringLiteral("Command3"))}));
    buildMenus(layout);

    connect(installation_, &OptionGroup::chosenChanged, this,
            &InstallationCompensationWindow::showInstallation);
    connect(compute, &QPushButton::clicked, this, &InstallationCompensationWindow::compute);
    connect(report_, &QPushButton::clicked, this, &InstallationCompensationWindow::writeReport);
    connect(clearButton, &QPushButton::clicked, this, &InstallationCompensationWindow::clear);
    connect(note, &QPushButton::clicked, this,
            [this] { ShowInformation(this, qs(core::kAdvice)); });
    showInstallation();
    power_->setFocus();
}

// The conversion and power conversion items open their windows through the openings table.
void InstallationCompensationWindow::buildMenus(QLayout* layout) {
    auto* menuBar = new QMenuBar(this);
    addConversionMenu(menuBar, {{QStringLiteral("Mn_GUC"), QStringLiteral("Güç")},
                                {QStringLiteral("Mn_AKIM"), QStringLiteral("Akım")},
                                {QStringLiteral("Mn_Farad"), QStringLiteral("Kondansatör")}});
    QMenu* extras = menuBar->addMenu(QStringLiteral("Ek Hesaplamalar"));
    addCosineInfoMenu(extras, this, lists_);
    connect(addMenuItem(extras, QStringLiteral("Mn_SYCKOM"),
                        QStringLiteral("Aktif(W) ve Reaktif(VAr) Sayaçların Yazdığı Değerlere Göre "
                                       "Kompanzasyon Hesabı")),
            &QAction::triggered, this, &InstallationCompensationWindow::computeFromMeters);
    addMenuItem(extras, QStringLiteral("Mn_GUCC"),
                QStringLiteral("Güçlerin Bir Birine Çevirilmesi Bölümünü Aç"));
    layout->setMenuBar(menuBar);
}

void InstallationCompensationWindow::showInstallation() {
    const bool transformer = installation() == Installation::OwnTransformer;
    powerLabels_.caption->setText(transformer ? kTransformerPower : kLoadsPower);
    powerLabels_.unit->setText(transformer ? QStringLiteral("kVA") : QStringLiteral("kW"));
    power_->setAccessibleName(powerLabels_.caption->text());
    power_->setToolTip(powerLabels_.caption->text());
    for (QWidget* control :
         {static_cast<QWidget*>(drawnLabels_.caption), static_cast<QWidget*>(drawnLabels_.unit),
          static_cast<QWidget*>(drawnPower_), static_cast<QWidget*>(lossesCapacitor_),
          static_cast<QWidget*>(lossesLabels_.caption), static_cast<QWidget*>(lossesLabels_.unit)})
        control->setVisible(transformer);
}

Installation InstallationCompensationWindow::installation() const {
    return installation_->chosen() == 1 ? Installation::OwnTransformer
                                        : Installation::NoTransformer;
}

core::Inputs InstallationCompensationWindow::inputs() const {
    return {utf8(power_->text()), utf8(lists_.present->currentText()),
            utf8(lists_.wanted->currentText())};
}

core::Results InstallationCompensationWindow::shown() const {
    return {utf8(capacitorPower_->text()), utf8(current_->text()), utf8(drawnPower_->text()),
            utf8(lossesCapacitor_->text()), tangents_};
}

void InstallationCompensationWindow::compute() {
    const auto outcome = core::Compute(installation(), inputs(), shown());
    capacitorPower_->setText(qs(outcome.texts.capacitorPower));
    current_->setText(qs(outcome.texts.current));
    drawnPower_->setText(qs(outcome.texts.drawnPower));
    lossesCapacitor_->setText(qs(outcome.texts.lossesCapacitor));
    tangents_ = outcome.texts.tangents;
    if (MissingInputWarning(this, {power_}, outcome, kEnterValue))
        report_->setEnabled(true);
}

// Asks the three readings in turn; the first answer that is not a number ends the command.
void InstallationCompensationWindow::computeFromMeters() {
    showMeterNote(this, core::kMeterIntro);
    const bool done = PromptWarning(
        this,
        [this] {
            const double active = PromptNumber(this, qs(core::kActiveEnergyPrompt));
            const double reactive = PromptNumber(this, qs(core::kReactiveEnergyPrompt));
            const double hours = PromptNumber(this, qs(core::kHoursPrompt));
            capacitorPower_->setText(qs(core::MeterCompensation(
                active, reactive, hours, utf8(lists_.wanted->currentText()))));
        },
        kEnterValues);
    if (done)
        showMeterNote(this, core::kMeterDone);
}

void InstallationCompensationWindow::writeReport() {
    TextReport(this, qs(core::kReportName), core::ReportLines(installation(), inputs(), shown()));
}

void InstallationCompensationWindow::clear() {
    lists_.present->setCurrentIndex(core::kPresentCosDefault);
    lists_.wanted->setCurrentIndex(compensation::kWantedCosDefault);
    for (QLineEdit* field : {power_, capacitorPower_, current_, drawnPower_, lossesCapacitor_})
        field->clear();
    report_->setEnabled(false);
}

} // namespace voltaris::gui
