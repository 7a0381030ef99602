#include "gui/lowvoltage/overhead_line_drop_window.h"

#include "core/lowvoltage/power_common.h"
#include "gui/colours.h"
#include "gui/fields.h"
#include "gui/lowvoltage/cable_widgets.h"
#include "gui/lowvoltage/compensation_widgets.h"
#include "gui/lowvoltage/power_widgets.h"
#include "gui/messages.h"
#include "gui/options.h"
#include "gui/text.h"
#include "gui/text_report.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

using cable_line::Load;
using cable_line::Phases;
using overhead_line_drop::Layout;
namespace conductors = overhead_conductors;

QString name(const char* type, int number) {
    return QString::fromLatin1(type) + QString::number(number);
}

OptionGroup* frame(int number, const QString& title, const QList<OptionGroup::Option>& options,
                   int initial) {
    auto* group = new OptionGroup(title, options, initial);
    group->setObjectName(name("Frame", number));
    return group;
}

// The unit of a load: watts or amperes.
QString loadUnit(Load load) {
    return qs(cable_line::LoadUnit(load)).trimmed();
}

constexpr int kInitialLoad = 0;   // "Gücü Biliyorum"
constexpr int kInitialPhases = 1; // "Trifaze"
constexpr int kInitialLayout = 0; // one load at the end
constexpr int kInitialFamily = 0; // bare aluminium

} // namespace

OverheadLineDropWindow::OverheadLineDropWindow()
    : ToolWindow(kForm, QStringLiteral("Havai Hatlarda Gerilim Düşümü Hesabı")) {
    auto* layout = new QVBoxLayout(this);

    loads_ = frame(1, QStringLiteral("Hesaplama Seçeneği"),
                   {{QStringLiteral("Option1"), QStringLiteral("Gücü Biliyorum")},
                    {QStringLiteral("Option2"), QStringLiteral("Akımı Biliyorum")}},
                   kInitialLoad);
    phases_ = frame(2, QStringLiteral("Faz Durumu"),
                    {{QStringLiteral("Option3"), QStringLiteral("Monofaze")},
                     {QStringLiteral("Option4"), QStringLiteral("Trifaze")}},
                    kInitialPhases);
    layouts_ = frame(3, QStringLiteral("Yüklerin Hat Üzerindeki Dağılımı"),
                     {{QStringLiteral("Option5"), QStringLiteral("Hattın Sonunda Tek Yük")},
                      {QStringLiteral("Option6"),
                       QStringLiteral("Hat Boyunca Dağılmış Yükler (Moment Toplamı)")}},
                     kInitialLayout);
    QList<OptionGroup::Option> familyOptions;
    for (const conductors::Family family : conductors::kFamilies)
        familyOptions.append(
            {name("Option", 7 + static_cast<int>(family)), qs(conductors::FamilyCaption(family))});
    families_ = frame(4, QStringLiteral("İletken Cinsi"), familyOptions, kInitialFamily);
    // Two columns of frames, each as tall as its options need.
    auto* choices = new QHBoxLayout;
    for (const auto& column :
         {QList<QWidget*>{loads_, layouts_}, QList<QWidget*>{phases_, families_}}) {
        auto* stack = new QVBoxLayout;
        for (QWidget* group : column)
            stack->addWidget(group);
        stack->addStretch(1);
        choices->addLayout(stack);
    }
    layout->addLayout(choices);

    inputsGrid_ = new FieldGrid;
    conductor_ =
        inputsGrid_->addList(QStringLiteral("Combo1"), QStringLiteral("İletkeni Seçiniz"), {});
    resistance_ =
        inputsGrid_->addResult(QStringLiteral("Text18"),
                               QStringLiteral("İletkenin Direnci (20 °C)"), QStringLiteral("Ω/km"));
    reactance_ = inputsGrid_->addResult(
        QStringLiteral("Text19"), QStringLiteral("İletkenin Reaktansı"), QStringLiteral("Ω/km"));
    voltage_ = inputsGrid_->addInput(QStringLiteral("Text1"), QStringLiteral("Gerilimi Giriniz"),
                                     QStringLiteral("V"));
    cosPhi_ = addPowerFactorList(inputsGrid_, QStringLiteral("Combo2"),
                                 QStringLiteral("Cosinüs Seçiniz"));
    endLoad_ = makeInput(QStringLiteral("Text2"), QStringLiteral("Gücü Giriniz"));
    const NamedRow loadRow =
        addNamedRow(inputsGrid_, endLoad_, QStringLiteral("Label3"), QStringLiteral("Gücü Giriniz"),
                    QStringLiteral("Label4"), QStringLiteral("W"));
    endLoadCaption_ = loadRow.caption;
    endLoadUnit_ = loadRow.unit;
    endLength_ = inputsGrid_->addInput(
        QStringLiteral("Text3"), QStringLiteral("Hat Uzunluğunu Giriniz"), QStringLiteral("m"),
        QStringLiteral("Uzunluğu Metre Cinsinden Giriniz..."));

    // The loads along the line, each with its distance from the feeding point.
    auto* rowsGrid = new QGridLayout;
    rowsLoadHeading_ = makeLabel(QStringLiteral("Label5"), QStringLiteral("Güç (W)"));
    rowsGrid->addWidget(rowsLoadHeading_, 0, 1);
    rowsGrid->addWidget(new QLabel(QStringLiteral("Besleme Noktasına Uzaklığı (m)")), 0, 2);
    for (int row = 0; row < overhead_line_drop::kLoadRows; ++row) {
        const QString caption = QStringLiteral("%1. Yük").arg(row + 1);
        rowLoads_[row] = makeInput(name("Text", 4 + row), caption);
        rowDistances_[row] =
            makeInput(name("Text", 9 + row), caption + QStringLiteral(" Uzaklığı"));
        rowsGrid->addWidget(new QLabel(caption), row + 1, 0);
        rowsGrid->addWidget(rowLoads_[row], row + 1, 1);
        rowsGrid->addWidget(rowDistances_[row], row + 1, 2);
    }
    rows_ = makeFrame(QStringLiteral("Yükler ve Besleme Noktasına Uzaklıkları"), rowsGrid);
    rows_->setObjectName(QStringLiteral("Frame5"));
    inputsGrid_->addWidget(rows_, inputsGrid_->rowCount(), 0, 1, inputsGrid_->columnCount());

    FieldGrid* results = inputsGrid_;
    addResultsGap(results);
    moment_ = makeResult(QStringLiteral("Text14"), QStringLiteral("Moment Toplamı"));
    momentUnit_ = addNamedRow(results, moment_, {}, QStringLiteral("Moment Toplamı"),
                              QStringLiteral("Label2"), QStringLiteral("W.m"))
                      .unit;
    drop_ = results->addResult(QStringLiteral("Text15"), QStringLiteral("Gerilim Düşümü"),
                               QStringLiteral("V"));
    percent_ =
        makeResult(QStringLiteral("Text16"), QStringLiteral("Yüzde (%) Olarak Gerilim Düşümü"));
    limitVerdict_ = makeLabel(QStringLiteral("Label1"), QString());
    limitVerdict_->hide();
    results->addRow(QStringLiteral("Yüzde (%) Olarak Gerilim Düşümü"), percent_,
                    besideField(QStringLiteral("%"), limitVerdict_));
    current_ = results->addResult(QStringLiteral("Text17"), QStringLiteral("Hat Başındaki Akım"),
                                  QStringLiteral("A"));
    fitGeneralNumbers(moment_);
    layout->addLayout(inputsGrid_);

    auto* source =
        makeLabel(QStringLiteral("Label6"), qs(conductors::SourceNote()) + QLatin1Char('\n') +
                                                qs(conductors::kLineSourceNote));
    layout->addWidget(source);

    auto* computeButton = makeComputeButton(QStringLiteral("Command1"));
    report_ = makeReportButton(QStringLiteral("Command4"));
    auto* clearButton = makeClearButton(QStringLiteral("Command3"));
    layout->addStretch(1);
    layout->addLayout(makeButtonRow({computeButton, report_, clearButton},
                                    {makeCompanionCloseButton(QStringLiteral("Command5")),
                                     makeReturnButton(QStringLiteral("Command2"))}));

    connect(loads_, &OptionGroup::chosenChanged, this, &OverheadLineDropWindow::applyLoad);
    connect(phases_, &OptionGroup::chosenChanged, this, &OverheadLineDropWindow::applyPhases);
    connect(layouts_, &OptionGroup::chosenChanged, this, &OverheadLineDropWindow::applyLayout);
    connect(families_, &OptionGroup::chosenChanged, this, &OverheadLineDropWindow::fillConductors);
    connect(conductor_, &QComboBox::currentIndexChanged, this,
            &OverheadLineDropWindow::showConductor);
    connect(computeButton, &QPushButton::clicked, this, &OverheadLineDropWindow::compute);
    connect(report_, &QPushButton::clicked, this, &OverheadLineDropWindow::writeReport);
    connect(clearButton, &QPushButton::clicked, this, &OverheadLineDropWindow::clear);

    fillConductors();
    applyLoad();
    applyPhases();
    applyLayout();
    voltage_->setFocus();
}

void OverheadLineDropWindow::applyLoad() {
    const Load load = loads_->chosen() == 0 ? Load::Power : Load::Current;
    endLoadCaption_->setText(qs(cable_line::LoadCaption(load)));
    endLoad_->setAccessibleName(endLoadCaption_->text());
    endLoadUnit_->setText(loadUnit(load));
    rowsLoadHeading_->setText(load == Load::Power ? QStringLiteral("Güç (W)")
                                                  : QStringLiteral("Akım (A)"));
    momentUnit_->setText(load == Load::Power ? QStringLiteral("W.m") : QStringLiteral("A.m"));
}

void OverheadLineDropWindow::applyPhases() {
    voltage_->setText(
        qs(overhead_line_drop::VoltageOf(phases_->chosen() == 0 ? Phases::Single : Phases::Three)));
}

void OverheadLineDropWindow::applyLayout() {
    const bool atTheEnd = layouts_->chosen() == 0;
    inputsGrid_->setRowVisible(endLoad_, atTheEnd);
    inputsGrid_->setRowVisible(endLength_, atTheEnd);
    rows_->setVisible(!atTheEnd);
}

void OverheadLineDropWindow::fillConductors() {
    conductor_->clear();
    const auto family = static_cast<conductors::Family>(families_->chosen());
    for (const conductors::Conductor& c : conductors::Conductors(family))
        conductor_->addItem(c.size.empty() ? qs(c.name)
                                           : qs(c.name) + QStringLiteral(" (") + qs(c.size) +
                                                 QStringLiteral(")"));
    conductor_->setCurrentIndex(0);
    showConductor();
}

void OverheadLineDropWindow::showConductor() {
    const int index = conductor_->currentIndex();
    if (index < 0)
        return;
    const auto& c = conductors::Conductors(static_cast<conductors::Family>(families_->chosen()))
                        .at(static_cast<std::size_t>(index));
    resistance_->setText(qs(ResultText(c.resistance, 4)));
    reactance_->setText(qs(ResultText(c.reactance, 4)));
}

overhead_line_drop::Inputs OverheadLineDropWindow::inputs() const {
    overhead_line_drop::Inputs in;
    in.load = loads_->chosen() == 0 ? Load::Power : Load::Current;
    in.phases = phases_->chosen() == 0 ? Phases::Single : Phases::Three;
    in.layout = layouts_->chosen() == 0 ? Layout::EndLoad : Layout::Distributed;
    in.family = static_cast<conductors::Family>(families_->chosen());
    in.conductor = conductor_->currentIndex();
    in.voltage = utf8(voltage_->text());
    in.cosPhi = utf8(cosPhi_->currentText());
    in.endLoad = utf8(endLoad_->text());
    in.endLength = utf8(endLength_->text());
    for (int row = 0; row < overhead_line_drop::kLoadRows; ++row) {
        in.loads[row] = utf8(rowLoads_[row]->text());
        in.distances[row] = utf8(rowDistances_[row]->text());
    }
    return in;
}

overhead_line_drop::Texts OverheadLineDropWindow::shownTexts() const {
    overhead_line_drop::Texts t;
    t.moment = utf8(moment_->text());
    t.drop = utf8(drop_->text());
    t.percent = utf8(percent_->text());
    t.current = utf8(current_->text());
    return t;
}

void OverheadLineDropWindow::compute() {
    const overhead_line_drop::Inputs in = inputs();
    const Outcome<overhead_line_drop::Texts> outcome =
        overhead_line_drop::Compute(in, shownTexts());
    const overhead_line_drop::Texts& t = outcome.texts;
    moment_->setText(qs(t.moment));
    drop_->setText(qs(t.drop));
    percent_->setText(qs(t.percent));
    current_->setText(qs(t.current));
    if (t.limit) {
        showVerdict(limitVerdict_, *t.limit, percent_);
        limitVerdict_->show();
    }
    // The tested fields depend on the case (see TestedFields).
    QList<QLineEdit*> tested;
    for (const std::string& field : overhead_line_drop::TestedFields(in))
        tested.append(findChild<QLineEdit*>(qs(field)));
    if (MissingInputWarning(this, tested, outcome)) {
        computed_ = in;
        report_->setEnabled(true);
    }
}

void OverheadLineDropWindow::writeReport() {
    // The choices of the last compute, the texts as they stand.
    overhead_line_drop::Inputs in = inputs();
    in.load = computed_.load;
    in.phases = computed_.phases;
    in.layout = computed_.layout;
    in.family = computed_.family;
    in.conductor = computed_.conductor;
    TextReport(this, qs(overhead_line_drop::kReportName),
               overhead_line_drop::ReportLines(in, shownTexts(), utf8(limitVerdict_->text())));
}

void OverheadLineDropWindow::clear() {
    report_->setEnabled(false);
    for (QLineEdit* field : {endLoad_, endLength_, moment_, drop_, percent_, current_})
        field->clear();
    for (int row = 0; row < overhead_line_drop::kLoadRows; ++row) {
        rowLoads_[row]->clear();
        rowDistances_[row]->clear();
    }
    loads_->choose(kInitialLoad);
    phases_->choose(kInitialPhases);
    layouts_->choose(kInitialLayout);
    families_->choose(kInitialFamily);
    cosPhi_->setCurrentIndex(power::kDefaultPowerFactorIndex);
    fillConductors();
    applyLoad();
    applyPhases();
    applyLayout();
    limitVerdict_->hide();
    limitVerdict_->clear();
    setMeaningColour(percent_, std::nullopt);
}

} // namespace voltaris::gui
