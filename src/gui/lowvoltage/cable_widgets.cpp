#include "gui/lowvoltage/cable_widgets.h"

#include "core/lowvoltage/cable_ratings.h"
#include "gui/colours.h"
#include "gui/fields.h"
#include "gui/live.h"
#include "gui/lowvoltage/compensation_widgets.h"
#include "gui/lowvoltage/power_widgets.h"
#include "gui/messages.h"
#include "gui/options.h"
#include "gui/text.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

namespace voltaris::gui {

namespace {

using cable_line::Conductor;
using cable_line::Load;
using cable_line::Supply;

// The option order of each group is the order of its enumeration.
constexpr int kDefaultSupply = static_cast<int>(Supply::Three380);

// A "Not" or list button that shows `message` in its box.
QPushButton* noteButton(QWidget* window, const QString& name, const QString& caption,
                        const QString& toolTip, const Message& message) {
    QPushButton* button = makeButton(name, caption, toolTip);
    QObject::connect(button, &QPushButton::clicked, window,
                     [window, message] { ShowMessage(window, message); });
    return button;
}

// Runs `handler` when an option of `group` is clicked, the one already chosen too.
void onClick(OptionGroup* group, QObject* context, const std::function<void()>& handler) {
    for (QRadioButton* option : group->findChildren<QRadioButton*>())
        QObject::connect(option, &QRadioButton::clicked, context, handler);
}

QStringList listOf(const std::vector<std::string>& entries) {
    QStringList list;
    for (const std::string& entry : entries)
        list << qs(entry);
    return list;
}

} // namespace

CableLineControls::CableLineControls(QWidget* window) : QObject(window), window_(window) {
    loads = new OptionGroup(QStringLiteral("Hesaplama Seçeneği"),
                            {{QStringLiteral("Option1"), QStringLiteral("Gücü Biliyorum")},
                             {QStringLiteral("Option2"), QStringLiteral("Akımı Biliyorum")}});
    supplies = new OptionGroup(
        QStringLiteral("Gerilim Seçeneği"),
        {{QStringLiteral("Option3"), QStringLiteral("DC Gerilim")},
         {QStringLiteral("Option4"), QStringLiteral("Gerilimi Ben Gireceğim (Monofaze)")},
         {QStringLiteral("Option5"), QStringLiteral("1 Faz AC Gerilim (220 V)")},
         {QStringLiteral("Option6"), QStringLiteral("3 Faz AC Gerilim (380 V)")},
         {QStringLiteral("Option10"), QStringLiteral("Gerilimi Ben Gireceğim (Trifaze)")}},
        kDefaultSupply);
    conductors = new OptionGroup(
        QStringLiteral("İletken Cinsi"),
        {{QStringLiteral("Option7"), QStringLiteral("Bakır (Cu)")},
         {QStringLiteral("Option8"), QStringLiteral("Alüminyum (Al)")},
         {QStringLiteral("Option9"), QStringLiteral("İletken Sabitini Ben Gireceğim")}});

    voltage = makeInput(QStringLiteral("Text7"), QStringLiteral("Gerilimi Giriniz"),
                        QStringLiteral("Gerilimi Giriniz"));
    load = makeInput(QStringLiteral("Text4"), QString());
    length = makeInput(QStringLiteral("Text1"), QStringLiteral("Hat Uzunluğunu Giriniz"),
                       QStringLiteral("Uzunluğu Metre Cinsinden Giriniz..."));
    conductivity =
        makeInput(QStringLiteral("Text2"), QStringLiteral("İletkenin Özİletkenlik (Sm/mm2) Sabiti"),
                  QStringLiteral("İletkenin Özİletkenlik (Sm/mm2) Sabiti"));

    onClick(loads, this, [this] { applyLoad(); });
    onClick(supplies, this, [this] { applySupply(); });
    onClick(conductors, this, [this] { applyConductor(); });
}

cable_line::Load CableLineControls::chosenLoad() const {
    return static_cast<Load>(loads->chosen());
}

cable_line::Supply CableLineControls::chosenSupply() const {
    return static_cast<Supply>(supplies->chosen());
}

cable_line::Conductor CableLineControls::chosenConductor() const {
    return static_cast<Conductor>(conductors->chosen());
}

void CableLineControls::addLineRows(FieldGrid* grid) {
    grid->addRow(QStringLiteral("Gerilimi Giriniz"), voltage, makeUnitLabel(QStringLiteral("V")));
    const NamedRow loadRow =
        addNamedRow(grid, load, QStringLiteral("Label8"), qs(cable_line::LoadCaption(Load::Power)),
                    QString(), qs(cable_line::LoadUnit(Load::Power)));
    loadCaption_ = loadRow.caption;
    loadUnit_ = loadRow.unit;
    grid->addRow(QStringLiteral("Hat Uzunluğunu Giriniz"), length,
                 makeUnitLabel(QStringLiteral("m")));
    grid->addRow(QStringLiteral("İletkenin Özİletkenlik (Sm/mm2) Sabiti"), conductivity,
                 besideField(QStringLiteral("Sm/mm²"),
                             noteButton(window_, QStringLiteral("Command7"),
                                        QStringLiteral("Özİletkenlik Sabitleri"), QString(),
                                        cable_line::ConductivityTable())));
}

void CableLineControls::addPowerFactorRow(FieldGrid* grid) {
    cosPhi = addPowerFactorList(grid, QStringLiteral("Combo1"), QStringLiteral("Cosinüs Seçiniz"));
    QPushButton* note = noteButton(window_, QStringLiteral("Command6"), QStringLiteral("Not"),
                                   QStringLiteral("Açıklama"), cable_line::PowerFactorNote());
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(cosPhi), &row, &column, &rowSpan, &columnSpan);
    grid->addWidget(besideField(QString(), note), row, 2);
    for (int c = 0; c < 3; ++c)
        powerFactorControls_ << grid->itemAtPosition(row, c)->widget();
}

void CableLineControls::addParallelRow(FieldGrid* grid, const QString& name) {
    parallel = new QComboBox;
    parallel->setObjectName(name);
    parallel->setAccessibleName(QStringLiteral("Parelel Kablo Sayısını Seçiniz"));
    parallel->addItems(listOf(cable_line::ParallelList()));
    grid->addRow(QStringLiteral("Parelel Kablo Sayısını Seçiniz"), parallel,
                 besideField(QStringLiteral("Adet"),
                             noteButton(window_, QStringLiteral("Command11"), QStringLiteral("Not"),
                                        QString(), cable_line::ParallelCablesNote())));
}

QMenu* CableLineControls::addMenus(QMenuBar* menuBar,
                                   const std::function<void(QMenu*)>& addOwnItems) {
    // The conversion and power conversion items open their windows through the openings table.
    addConversionMenu(menuBar, {{QStringLiteral("mn_güç"), QStringLiteral("Güç")},
                                {QStringLiteral("mn_gerilim"), QStringLiteral("Gerilim")},
                                {QStringLiteral("mn_akım"), QStringLiteral("Akım")}});
    QMenu* units = menuBar->addMenu(QStringLiteral("Birimler Arası Çevirimi Aç"));
    addMenuItem(units, QStringLiteral("mn_uzunluk"),
                QStringLiteral("Uzunluk Ölçümleri Çevirisini Aç"));
    addMenuItem(units, QStringLiteral("mn_alan"), QStringLiteral("Alan Ölçümleri Çevirisini Aç"));
    QMenu* extras = menuBar->addMenu(QStringLiteral("Ek Hesaplamalar"));
    if (addOwnItems)
        addOwnItems(extras);
    cosInfo_ = addMenuItem(extras, QStringLiteral("mn_Cos"),
                           QStringLiteral("Seçilen Cosinüs Değeri İle İlgili Bilgiler"));
    connect(cosInfo_, &QAction::triggered, this,
            [this] { ShowCosineInfo(window_, cosPhi->currentText()); });
    // The watts go into the load field, the power choice chosen; nothing is computed.
    connect(addMenuItem(extras, QStringLiteral("mn_HPtoKW"),
                        QStringLiteral("Beygirgücü (HP) Değerini Watt Değerine Çevirme")),
            &QAction::triggered, this, [this] {
                ConvertHorsepower(window_, [this](const QString& watts) {
                    load->setText(watts);
                    loads->choose(static_cast<int>(Load::Power));
                    applyLoad();
                });
            });
    addMenuItem(extras, QStringLiteral("Mn_GUCC"),
                QStringLiteral("Güçlerin Bir Birine Çevirilmesi Bölümünü Aç"));
    return extras;
}

void CableLineControls::chooseDefaults() {
    loads->choose(static_cast<int>(Load::Power));
    supplies->choose(kDefaultSupply);
    conductors->choose(static_cast<int>(Conductor::Copper));
    applyLoad();
    applySupply();
    applyConductor();
}

void CableLineControls::applyLoad() {
    const Load chosen = chosenLoad();
    loadCaption_->setText(qs(cable_line::LoadCaption(chosen)));
    loadUnit_->setText(qs(cable_line::LoadUnit(chosen)));
    load->setAccessibleName(loadCaption_->text());
    load->setToolTip(loadCaption_->text());
}

void CableLineControls::applySupply() {
    const Supply chosen = chosenSupply();
    const cable_line::Preset preset = cable_line::VoltageOf(chosen);
    voltage->setText(qs(preset.text));
    voltage->setReadOnly(preset.locked);
    const bool alternating = cable_line::PhasesOf(chosen) != cable_line::Phases::Dc;
    for (QWidget* control : std::as_const(powerFactorControls_))
        control->setVisible(alternating);
    if (cosInfo_)
        cosInfo_->setVisible(alternating);
}

void CableLineControls::applyConductor() {
    const cable_line::Preset preset = cable_line::ConductivityOf(chosenConductor());
    conductivity->setText(qs(preset.text));
    conductivity->setReadOnly(preset.locked);
}

QWidget* besideField(const QString& unit, QWidget* control) {
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    QLabel* unitLabel = makeUnitLabel(unit);
    // One width for every unit beside a control, so that the controls line up.
    unitLabel->setMinimumWidth(
        unitLabel->fontMetrics().horizontalAdvance(QStringLiteral("Sm/mm²")));
    row->addWidget(unitLabel);
    row->addWidget(control);
    row->addStretch(1);
    return box;
}

void showVerdict(QLabel* label, const cable_line::VerdictText& verdict, QLineEdit* field) {
    const QColor colour = verdict.verdict == cable_line::Verdict::Suitable ? kGreen : kRed;
    writeResult(label, qs(verdict.text));
    // Timers repeat verdicts: an unchanged colour is not set again.
    for (QWidget* control : {static_cast<QWidget*>(label), static_cast<QWidget*>(field)})
        if (control && meaningColour(control) != colour)
            setMeaningColour(control, colour);
}

QComboBox* addUnitList(FieldGrid* grid, const QString& name, const QString& label,
                       const QStringList& entries, const QString& unit) {
    auto* list = new QComboBox;
    list->setObjectName(name);
    list->setAccessibleName(label);
    list->addItems(entries);
    grid->addRow(label, list, makeUnitLabel(unit));
    return list;
}

QComboBox* addSectionList(FieldGrid* grid, const QString& name, const QString& label) {
    QStringList sections;
    for (const cable_ratings::Rating& rating : cable_ratings::Ratings(cable_ratings::Metal::Copper))
        sections << qs(rating.section);
    return addUnitList(grid, name, label, sections, QStringLiteral("mm²"));
}

} // namespace voltaris::gui
