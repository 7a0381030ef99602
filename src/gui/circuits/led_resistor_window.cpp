#include "gui/circuits/led_resistor_window.h"

#include "gui/circuits/led_circuit_picture.h"
#include "gui/fields.h"
#include "gui/live.h"
#include "gui/messages.h"
#include "gui/options.h"
#include "gui/text_report.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

enum Source { Typed = 0, Listed = 1 };

// The list writes the chosen type's values into the disabled fields this often.
constexpr int kListCopyInterval = 10;

} // namespace

LedResistorWindow::LedResistorWindow()
    : ToolWindow(kForm, QStringLiteral("LED'e Bağlanacak Seri Direncin Hesaplama")) {
    auto* layout = new QVBoxLayout(this);

    auto* menuBar = new QMenuBar(this);
    QMenu* conversions =
        menuBar->addMenu(QStringLiteral("Elektrik ve Elekronik Kavramlar Arası Dönüşümü Aç"));
    conversions->setObjectName(QStringLiteral("mn_Kavramlar"));
    addMenuItems(conversions, {{"mn_direnç", "Direnç As ve Üs Katları Arası Dönüşümü Aç"},
                               {"mn_gerilim", "Gerilim As ve Üs Katları Arası Dönüşümü Aç"},
                               {"mn_akım", "Akım As ve Üs Katları Arası Dönüşümü Aç"},
                               {"mn_guc", "Güç As ve Üs Katları Arası Dönşümü Aç"}});
    layout->setMenuBar(menuBar);

    source_ = new OptionGroup(
        {}, {{QStringLiteral("Option1"),
              QStringLiteral("LED'in İhtiyaç Duyduğu Akım ve Gerilimi Biliyorum")},
             {QStringLiteral("Option2"),
              QStringLiteral("LED'in İhtiyaç Duyduğu Akım ve Gerilimi Bilmiyorum")}});
    auto* top = new QHBoxLayout;
    top->addWidget(source_, 1);
    top->addWidget(new LedCircuitPicture(QStringLiteral("Image1")));
    layout->addLayout(top);

    // One grid for the inputs and the results, their fields in one column.
    auto* grid = new FieldGrid;
    QStringList types;
    for (const led_resistor::LedType& type : led_resistor::LedTypes())
        types << qs(type.name);
    ledTypes_ =
        grid->addList(QStringLiteral("Combo1"), QStringLiteral("Uygun Olan LED'i Seçiniz"), types);
    supply_ = grid->addInput(
        QStringLiteral("Text1"), QStringLiteral("Uygulanacak Kaynak Gerilimini Giriniz"),
        QStringLiteral("V"), QStringLiteral("LED'e Uygulanacak Volt'u Giriniz"));
    voltage_ = grid->addInput(
        QStringLiteral("Text2"), QStringLiteral("LED'in İhtiyaç Duyduğu Gerilimi Giriniz"),
        QStringLiteral("V"), QStringLiteral("LED'in Kullanacağı Gerilimi Giriniz"));
    current_ = grid->addInput(
        QStringLiteral("Text3"), QStringLiteral("LED'in İhtiyaç Duyduğu Akımı Giriniz"),
        QStringLiteral("mA"), QStringLiteral("LED'in Kullandığı Akımı Giriniz"));
    const QString resistanceLabel = QStringLiteral("LED'e Bağlancak Seri Direncin Değeri");
    resistance_ = makeResult(QStringLiteral("Text4"), resistanceLabel);
    resistance_->setToolTip(QStringLiteral("LED'e Bağlanacak Direncin Ohm Cinsinden Değeri"));
    grid->addRow(resistanceLabel, resistance_, makeOhmUnit());
    power_ = grid->addResult(
        QStringLiteral("Text5"),
        QStringLiteral("LED'e Bağlancak Seri Direncin Minumum Olması Gereken Güç Değeri"),
        QStringLiteral(" W"));
    power_->setToolTip(QStringLiteral("Direncin Üstüne Alması Gereken Güç Değeri"));
    layout->addLayout(grid);
    layout->addStretch(1);

    auto* compute = makeComputeButton(QStringLiteral("Command2"));
    report_ = makeReportButton(QStringLiteral("Command5"));
    note_ =
        makeButton(QStringLiteral("Command1"), QStringLiteral("Not"), QStringLiteral("Açıklama"));
    auto* clearButton = makeClearButton(QStringLiteral("Command4"));
    layout->addLayout(makeButtonRow({compute, report_, note_, clearButton},
                                    {makeReturnButton(QStringLiteral("Command3"))}));

    connect(source_, &OptionGroup::chosenChanged, this, &LedResistorWindow::chooseSource);
    connect(compute, &QPushButton::clicked, this, &LedResistorWindow::compute);
    connect(report_, &QPushButton::clicked, this, [this] {
        TextReport(this, qs(led_resistor::kReportName), led_resistor::ReportLines(fieldTexts()));
    });
    connect(note_, &QPushButton::clicked, this,
            [this] { ShowInformation(this, qs(led_resistor::kNote)); });
    connect(clearButton, &QPushButton::clicked, this, &LedResistorWindow::clear);
    listCopy_ = new WindowTimer(
        this, QStringLiteral("Timer1"), [this] { showListedType(); }, kListCopyInterval);
    chooseSource(Typed);
    supply_->setFocus();
}

void LedResistorWindow::chooseSource(int option) {
    const bool listed = option == Listed;
    voltage_->setEnabled(!listed);
    current_->setEnabled(!listed);
    ledTypes_->setEnabled(listed);
    note_->setEnabled(listed);
    listCopy_->setWanted(listed); // its ticks change nothing on typed values
}

void LedResistorWindow::showListedType() {
    if (source_->chosen() != Listed)
        return;
    led_resistor::Fields fields;
    led_resistor::ShowLedType(ledTypes_->currentIndex(), fields);
    writeResult(voltage_, qs(fields.voltage));
    writeResult(current_, qs(fields.current));
}

led_resistor::Fields LedResistorWindow::fieldTexts() const {
    return {utf8(supply_->text()),     utf8(voltage_->text()), utf8(current_->text()),
            utf8(resistance_->text()), utf8(power_->text()),   currentAmpere_};
}

void LedResistorWindow::compute() {
    std::optional<int> listed;
    if (source_->chosen() == Listed)
        listed = ledTypes_->currentIndex();
    const Outcome<led_resistor::Fields> outcome = led_resistor::Compute(listed, fieldTexts());
    voltage_->setText(qs(outcome.texts.voltage));
    current_->setText(qs(outcome.texts.current));
    resistance_->setText(qs(outcome.texts.resistance));
    power_->setText(qs(outcome.texts.power));
    currentAmpere_ = outcome.texts.currentAmpere;
    if (MissingInputWarning(this, {supply_, voltage_, current_}, outcome))
        report_->setEnabled(true);
}

void LedResistorWindow::clear() {
    for (QLineEdit* field : {supply_, voltage_, current_, resistance_, power_})
        field->clear();
    report_->setEnabled(false);
}

} // namespace voltaris::gui
