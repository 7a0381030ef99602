#include "gui/lowvoltage/cable_voltage_drop_window.h"

#include "core/circuits/conductor_section.h"
#include "gui/colours.h"
#include "gui/fields.h"
#include "gui/live.h"
#include "gui/lowvoltage/cable_widgets.h"
#include "gui/lowvoltage/compensation_widgets.h"
#include "gui/messages.h"
#include "gui/options.h"
#include "gui/text_report.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

using cable_line::Conductor;
using cable_ratings::Metal;

QComboBox* sectionListOf(const QString& name, Metal metal) {
    auto* list = new QComboBox;
    list->setObjectName(name);
    list->setAccessibleName(QStringLiteral("Kablonun Kesitini Seçiniz"));
    list->setToolTip(QStringLiteral("Kesiti MilimetreKare Cinsinden Giriniz..."));
    for (const cable_ratings::Rating& rating : cable_ratings::Ratings(metal))
        list->addItem(qs(rating.section));
    return list;
}

// A result label, hidden until the compute's timer reveals it.
QLabel* resultLabel(const QString& name, const QString& text = {}) {
    QLabel* label = makeLabel(name, text);
    label->hide();
    return label;
}

} // namespace

CableVoltageDropWindow::CableVoltageDropWindow()
    : ToolWindow(kForm, QStringLiteral("Kablolu Elektrik Hatlarında Gerilim Düşümü")),
      line_(new CableLineControls(this)) {
    auto* layout = new QVBoxLayout(this);
    buildMenus();

    auto* choices = new QHBoxLayout;
    choices->addWidget(line_->loads);
    choices->addWidget(line_->supplies);
    choices->addWidget(line_->conductors);
    layout->addLayout(choices);

    auto* grid = new FieldGrid;
    line_->addLineRows(grid);
    line_->addPowerFactorRow(grid);
    // Both section lists stand in one place; the conductor shows one of them.
    copperSections_ = sectionListOf(QStringLiteral("Combo2"), Metal::Copper);
    aluminiumSections_ = sectionListOf(QStringLiteral("Combo3"), Metal::Aluminium);
    auto* sections = new QWidget;
    auto* sectionsRow = new QHBoxLayout(sections);
    sectionsRow->setContentsMargins(0, 0, 0, 0);
    sectionsRow->addWidget(copperSections_);
    sectionsRow->addWidget(aluminiumSections_);
    grid->addRow(QStringLiteral("Kablonun Kesitini Seçiniz"), sections,
                 makeUnitLabel(QStringLiteral("mm²")));
    line_->addParallelRow(grid, QStringLiteral("Combo4"));
    addResultsGap(grid);
    drop_ = grid->addResult(QStringLiteral("Text5"), QStringLiteral("Gerilim Düşümü"),
                            QStringLiteral("V"));
    drop_->setToolTip(QStringLiteral("SONUÇ-Volt..."));
    percent_ =
        makeResult(QStringLiteral("Text6"), QStringLiteral("Yüzde (%) Olarak Gerilim Düşümü"));
    percent_->setToolTip(QStringLiteral("SONUÇ-Yüzde Değeri..."));
    limitVerdict_ = makeLabel(QStringLiteral("Label12"), QString());
    limitVerdict_->hide();
    grid->addRow(QStringLiteral("Yüzde (%) Olarak Gerilim Düşümü"), percent_,
                 besideField(QStringLiteral("%"), limitVerdict_));
    fitGeneralNumbers(drop_);
    layout->addLayout(grid);

    // The line current the heating check uses; the sentence of `Label15` shows it.
    current_ = makeResult(QStringLiteral("Text3"), QStringLiteral("Hattın Akımı"));
    current_->setParent(this);
    current_->hide();

    heading_ = resultLabel(QStringLiteral("Label14"),
                           QStringLiteral("Kablonun Isınma Bakımından Kontrolü :"));
    currentSentence_ = resultLabel(QStringLiteral("Label15"));
    earthCapacity_ = resultLabel(QStringLiteral("Label16"));
    airCapacity_ = resultLabel(QStringLiteral("Label17"));
    earthVerdict_ = resultLabel(QStringLiteral("Label18"));
    airVerdict_ = resultLabel(QStringLiteral("Label19"));
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);
    auto* heating = new QGridLayout;
    heating->addWidget(heading_, 0, 0, 1, 2);
    heating->addWidget(currentSentence_, 1, 0, 1, 2);
    heating->addWidget(earthCapacity_, 2, 0);
    heating->addWidget(earthVerdict_, 2, 1);
    heating->addWidget(airCapacity_, 3, 0);
    heating->addWidget(airVerdict_, 3, 1);
    heating->setColumnStretch(1, 1);
    layout->addLayout(heating);

    auto* compute = makeComputeButton(QStringLiteral("Command1"));
    report_ = makeReportButton(QStringLiteral("Command5"));
    auto* clearButton = makeClearButton(QStringLiteral("Command3"));
    layout->addStretch(1);
    layout->addLayout(makeButtonRow({compute, report_, clearButton},
                                    {makeCompanionCloseButton(QStringLiteral("Command4")),
                                     makeReturnButton(QStringLiteral("Command2"))}));

    connect(line_->conductors, &OptionGroup::chosenChanged, this,
            &CableVoltageDropWindow::showSectionList);
    connect(compute, &QPushButton::clicked, this, &CableVoltageDropWindow::compute);
    connect(report_, &QPushButton::clicked, this, &CableVoltageDropWindow::writeReport);
    connect(clearButton, &QPushButton::clicked, this, &CableVoltageDropWindow::clear);
    // `Timer2` reveals the result labels once a compute asked for them; `Timer3` keeps the
    // heating verdicts up to the kept current and ratings.
    new WindowTimer(this, QStringLiteral("Timer2"), [this] { revealLabels(); });
    new WindowTimer(this, QStringLiteral("Timer3"), [this] { checkHeating(); });

    line_->chooseDefaults();
    showSectionList();
    line_->load->setFocus();
}

void CableVoltageDropWindow::buildMenus() {
    auto* menuBar = new QMenuBar(this);
    QMenu* extras = line_->addMenus(menuBar, [this](QMenu* menu) {
        // The multi-wire section opens the auxiliary calculations through the openings table.
        QMenu* sections = menu->addMenu(QStringLiteral("İletkenin Kesitini Hesaplama"));
        connect(addMenuItem(sections, QStringLiteral("mn_İletkenKesit"),
                            QStringLiteral("İletkenlinin Kesitini Hesaplama")),
                &QAction::triggered, this, &CableVoltageDropWindow::sectionFromDiameter);
        addMenuItem(sections, QStringLiteral("mn_cokkesit"),
                    QStringLiteral("Çok İletkenlilerde Kesit Hesaplama"));
    });
    addMenuItem(extras, QStringLiteral("mn_kesH"),
                QStringLiteral("Kablo Kesit Hesaplama Bölümünü Aç"));
    addMenuItem(extras, QStringLiteral("mn_kabloakımduzelt"),
                QStringLiteral("Kablo Akım Taşıma Düzeltme Faktörleri Bölümünü Aç"));
    layout()->setMenuBar(menuBar);
}

void CableVoltageDropWindow::showSectionList() {
    const bool aluminium = line_->chosenConductor() == Conductor::Aluminium;
    copperSections_->setVisible(!aluminium);
    aluminiumSections_->setVisible(aluminium);
}

QComboBox* CableVoltageDropWindow::sectionList() const {
    return line_->chosenConductor() == Conductor::Aluminium ? aluminiumSections_ : copperSections_;
}

cable_voltage_drop::Inputs CableVoltageDropWindow::inputs() const {
    return {line_->chosenLoad(),
            line_->chosenSupply(),
            line_->chosenConductor(),
            utf8(line_->length->text()),
            utf8(line_->conductivity->text()),
            utf8(line_->load->text()),
            utf8(line_->voltage->text()),
            utf8(line_->cosPhi->currentText()),
            utf8(sectionList()->currentText()),
            utf8(line_->parallel->currentText())};
}

cable_voltage_drop::Texts CableVoltageDropWindow::shownTexts() const {
    cable_voltage_drop::Texts t;
    t.drop = utf8(drop_->text());
    t.percent = utf8(percent_->text());
    t.current = utf8(current_->text());
    t.currentSentence = utf8(currentSentence_->text());
    t.earthCapacity = utf8(earthCapacity_->text());
    t.airCapacity = utf8(airCapacity_->text());
    t.kept = kept_;
    return t;
}

void CableVoltageDropWindow::compute() {
    revealing_ = true;
    const Outcome<cable_voltage_drop::Texts> outcome =
        cable_voltage_drop::Compute(inputs(), shownTexts());
    const cable_voltage_drop::Texts& t = outcome.texts;
    drop_->setText(qs(t.drop));
    percent_->setText(qs(t.percent));
    current_->setText(qs(t.current));
    currentSentence_->setText(qs(t.currentSentence));
    earthCapacity_->setText(qs(t.earthCapacity));
    airCapacity_->setText(qs(t.airCapacity));
    if (t.limit) {
        showVerdict(limitVerdict_, *t.limit, percent_);
        limitVerdict_->show();
    }
    kept_ = t.kept;
    if (MissingInputWarning(this, {line_->length, line_->conductivity, line_->load, line_->voltage},
                            outcome))
        report_->setEnabled(true);
}

void CableVoltageDropWindow::revealLabels() {
    if (!revealing_)
        return;
    // With the user's own conductivity only the line current shows.
    const bool rated = line_->chosenConductor() != Conductor::Own;
    currentSentence_->show();
    for (QLabel* label : {heading_, earthCapacity_, airCapacity_, earthVerdict_, airVerdict_})
        label->setVisible(rated);
}

void CableVoltageDropWindow::checkHeating() {
    const cable_voltage_drop::HeatingVerdicts verdicts = cable_voltage_drop::HeatingCheck(kept_);
    if (verdicts.earth)
        showVerdict(earthVerdict_, *verdicts.earth);
    if (verdicts.air)
        showVerdict(airVerdict_, *verdicts.air);
}

void CableVoltageDropWindow::writeReport() {
    TextReport(this, qs(cable_voltage_drop::kReportName),
               cable_voltage_drop::ReportLines(inputs(), kept_, shownTexts(),
                                               utf8(limitVerdict_->text())));
}

void CableVoltageDropWindow::clear() {
    report_->setEnabled(false);
    revealing_ = false;
    for (QLineEdit* field : {line_->length, line_->load, drop_, percent_, line_->voltage})
        field->clear();
    line_->chooseDefaults();
    limitVerdict_->hide();
    limitVerdict_->clear();
    setMeaningColour(percent_, std::nullopt);
    for (QLabel* label :
         {heading_, currentSentence_, earthCapacity_, airCapacity_, earthVerdict_, airVerdict_})
        label->hide();
}

void CableVoltageDropWindow::sectionFromDiameter() {
    PromptWarning(this, [this] {
        ShowMessage(this, cable_voltage_drop::SectionMessage(
                              PromptNumber(this, qs(conductor_section::kDiameterPrompt))));
    });
}

} // namespace voltaris::gui
