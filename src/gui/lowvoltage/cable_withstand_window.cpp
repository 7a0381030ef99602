#include "gui/lowvoltage/cable_withstand_window.h"

#include "gui/colours.h"
#include "gui/fields.h"
#include "gui/lowvoltage/cable_widgets.h"
#include "gui/lowvoltage/compensation_widgets.h"
#include "gui/messages.h"
#include "gui/options.h"
#include "gui/text_report.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

namespace cw = cable_withstand;

OptionGroup* conductorGroup(const QString& copper, const QString& aluminium) {
    return new OptionGroup(QStringLiteral("İletken Çeşidi"),
                           {{copper, qs(cw::ConductorName(cw::Conductor::Copper))},
                            {aluminium, qs(cw::ConductorName(cw::Conductor::Aluminium))}},
                           0, 2);
}

// A tab page: its choices, its fields, its own command row.
QWidget* makePage(const QList<QWidget*>& choices, FieldGrid* grid,
                  const QList<QPushButton*>& commands) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* choiceRow = new QHBoxLayout;
    for (QWidget* choice : choices)
        choiceRow->addWidget(choice);
    choiceRow->addStretch(1);
    layout->addLayout(choiceRow);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(makeButtonRow(commands, {}));
    return page;
}

} // namespace

CableWithstandWindow::CableWithstandWindow()
    : ToolWindow(kForm, QStringLiteral("Kablonun Dayanacağı Kısa Devre Akımı Hesaplama")) {
    auto* layout = new QVBoxLayout(this);
    auto* menuBar = new QMenuBar(this);
    buildMenus(menuBar);
    layout->setMenuBar(menuBar);

    auto* tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("SSTab1"));
    tabs->setAccessibleName(windowTitle());
    tabs->addTab(buildWithstandPage(), QStringLiteral("Kablonun Kısa Devre Dayanımı"));
    tabs->addTab(buildMinimumPage(), QStringLiteral("Minimum Kısa Devre Akımı"));
    layout->addWidget(tabs, 1);
    layout->addLayout(makeButtonRow({}, {makeReturnButton(QStringLiteral("Command3"))}));
    connect(tabs, &QTabWidget::currentChanged, this, [this](int page) {
        if (page == 1)
            voltage_->setFocus();
        else if (current_->isVisible())
            current_->setFocus();
        else
            duration_->setFocus();
    });
    showQuantity();
    current_->setFocus();
}

// The conversion and auxiliary items open their windows through the openings table.
void CableWithstandWindow::buildMenus(QMenuBar* menuBar) {
    addConversionMenu(menuBar, {{QStringLiteral("mn_akım"), QStringLiteral("Akım")},
                                {QStringLiteral("mn_gerilim"), QStringLiteral("Gerilim")}});
    addMenuItems(menuBar->addMenu(QStringLiteral("Birimler Arası Çevirimi Aç")),
                 {{"mn_uzunluk", "Uzunluk Ölçümleri Çevirisini Aç"},
                  {"mn_alan", "Alan Ölçümleri Çevirisini Aç"}});
    addMenuItem(menuBar->addMenu(QStringLiteral("Ek Hesaplamalar")), QStringLiteral("mn_cokkesit"),
                QStringLiteral("Çok İletkenlilerde Kesit Hesaplama"));
}

QWidget* CableWithstandWindow::buildWithstandPage() {
    quantity_ = new OptionGroup(
        QStringLiteral("Hesaplama Seçeneği"),
        {{QStringLiteral("Option1"), QStringLiteral("Kablonun Kesitini Hesaplayacağım")},
         {QStringLiteral("Option2"), QStringLiteral("Kablonun Kısa Devre Akımını Hesaplayacağım")},
         {QStringLiteral("Option7"),
          QStringLiteral("Kısa Devre Akımına ve Kesite Göre Kablonun Ne Kadar Zaman "
                         "Dayanacağını Hesaplayacağım")}});
    insulation_ = new OptionGroup(QStringLiteral("İzalasyon Seçeneği"),
                                  {{QStringLiteral("Option3"), QStringLiteral("PVC")},
                                   {QStringLiteral("Option4"), QStringLiteral("XLPE")}},
                                  0, 2);
    conductor_ = conductorGroup(QStringLiteral("Option6"), QStringLiteral("Option5"));
    auto* materials = new QWidget;
    auto* materialColumn = new QVBoxLayout(materials);
    materialColumn->setContentsMargins(0, 0, 0, 0);
    materialColumn->addWidget(insulation_);
    materialColumn->addWidget(conductor_);

    grid_ = new FieldGrid;
    current_ = grid_->addInput(
        QStringLiteral("Text1"),
        QStringLiteral("Kablo Bağlantı Noktasındaki Oluşabilecek Kısa Devre Akımını Giriniz"),
        QStringLiteral("kA"));
    section_ = addSectionList(grid_, QStringLiteral("Combo1"),
                              QStringLiteral("Kablonun Kesitini Seçiniz"));
    duration_ = grid_->addInput(QStringLiteral("Text2"),
                                QStringLiteral("Kısa Devreye Maruz Kalma Zamanını Giriniz"),
                                QStringLiteral("s"));
    const cw::ResultRow first = cw::ResultRowOf(cw::Quantity::Section);
    result_ = makeResult(QStringLiteral("Text3"), qs(first.caption));
    const NamedRow row = addNamedRow(grid_, result_, QStringLiteral("Label21"), qs(first.caption),
                                     QStringLiteral("Label22"), qs(first.unit));
    resultLabel_ = row.caption;
    resultUnit_ = row.unit;
    fixColumnWidths(grid_, {qs(cw::ResultRowOf(cw::Quantity::Current).caption),
                            qs(cw::ResultRowOf(cw::Quantity::Time).caption)});

    auto* compute = makeComputeButton(QStringLiteral("Command1"));
    report_ = makeReportButton(QStringLiteral("Command4"));
    auto* clearButton = makeClearButton(QStringLiteral("Command2"));
    auto* note = makeButton(QStringLiteral("Command5"), QStringLiteral("Not"));

    connect(quantity_, &OptionGroup::chosenChanged, this, &CableWithstandWindow::showQuantity);
    connect(compute, &QPushButton::clicked, this, &CableWithstandWindow::compute);
    connect(report_, &QPushButton::clicked, this, [this] {
        TextReport(
            this, qs(cw::ReportName(kept_.quantity)),
            cw::ReportLines(kept_, insulation(), conductor(), inputs(), utf8(result_->text())));
    });
    connect(clearButton, &QPushButton::clicked, this, &CableWithstandWindow::clear);
    connect(note, &QPushButton::clicked, this, [this] { ShowMessage(this, cw::NoteMessage()); });
    return makePage({quantity_, materials}, grid_, {compute, report_, clearButton, note});
}

QWidget* CableWithstandWindow::buildMinimumPage() {
    breakerConductor_ = conductorGroup(QStringLiteral("Option8"), QStringLiteral("Option9"));
    auto* grid = new FieldGrid;
    voltage_ = grid->addInput(QStringLiteral("Text4"), QStringLiteral("Şebeke Gerilimini Giriniz"),
                              QStringLiteral("V"));
    voltage_->setText(qs(cw::kDefaultVoltage));
    length_ = grid->addInput(QStringLiteral("Text5"), QStringLiteral("Kablo Uzunluğunu Giriniz"),
                             QStringLiteral("m"));
    breakerSection_ =
        addSectionList(grid, QStringLiteral("Combo2"), QStringLiteral("Kablonun Kesitini Seçiniz"));
    parallel_ = addUnitList(grid, QStringLiteral("Combo3"),
                            QStringLiteral("Parelel Kablo Sayısını Seçiniz"),
                            qs(cw::kParallelCables), QStringLiteral("Adet"));
    breakerCurrent_ =
        grid->addInput(QStringLiteral("Text6"), QStringLiteral("Kompak Şalter Akımını Giriniz"),
                       QStringLiteral("A"));
    setting_ = grid->addList(QStringLiteral("Combo4"),
                             QStringLiteral("Şalter Kesme Kapasitesi Ayarını Seçiniz"),
                             qs(cw::kBreakerSettings));
    minimumCurrent_ = grid->addResult(
        QStringLiteral("Text7"), QStringLiteral("Minimum Kısa Devre Akımı"), QStringLiteral("kA"));
    fitGeneralNumbers(minimumCurrent_);
    verdict_ = makeLabel(QStringLiteral("Label20"), QString());
    verdict_->setWordWrap(true);
    // Room for the longer verdict on two lines, given or not, so nothing moves when it comes.
    verdict_->setMinimumHeight(verdict_->fontMetrics().lineSpacing() * 2 +
                               verdict_->fontMetrics().descent());
    grid->addWidget(verdict_, grid->rowCount(), 1, 1, 2);

    auto* compute = makeComputeButton(QStringLiteral("Command6"));
    minimumReport_ = makeReportButton(QStringLiteral("Command8"));
    connect(compute, &QPushButton::clicked, this, &CableWithstandWindow::computeMinimum);
    connect(minimumReport_, &QPushButton::clicked, this, [this] {
        TextReport(this, qs(cw::kMinimumReportName),
                   cw::MinimumReportLines(breakerInputs(), breakerShown(), utf8(verdict_->text())));
    });
    return makePage({breakerConductor_}, grid, {compute, minimumReport_});
}

// The choice shows the rows it asks for and names the result.
void CableWithstandWindow::showQuantity() {
    const cw::Asked asked = cw::AskedFor(quantity());
    grid_->setRowVisible(current_, asked.current);
    grid_->setRowVisible(section_, asked.section);
    grid_->setRowVisible(duration_, asked.duration);
    const cw::ResultRow row = cw::ResultRowOf(quantity());
    resultLabel_->setText(qs(row.caption));
    resultUnit_->setText(qs(row.unit));
    result_->setAccessibleName(resultLabel_->text());
}

cw::Quantity CableWithstandWindow::quantity() const {
    return static_cast<cw::Quantity>(quantity_->chosen());
}

cw::Insulation CableWithstandWindow::insulation() const {
    return static_cast<cw::Insulation>(insulation_->chosen());
}

cw::Conductor CableWithstandWindow::conductor() const {
    return static_cast<cw::Conductor>(conductor_->chosen());
}

cw::Inputs CableWithstandWindow::inputs() const {
    return {utf8(current_->text()), utf8(section_->currentText()), utf8(duration_->text())};
}

void CableWithstandWindow::compute() {
    const auto outcome = cw::Compute(quantity(), insulation(), conductor(), inputs(),
                                     {utf8(result_->text()), kept_});
    result_->setText(qs(outcome.texts.result));
    kept_ = outcome.texts.kept;
    if (MissingInputWarning(this, {current_, duration_}, outcome))
        report_->setEnabled(true);
}

void CableWithstandWindow::clear() {
    for (QLineEdit* field : {current_, duration_, result_})
        field->clear();
    section_->setCurrentIndex(0);
    quantity_->choose(0);
    insulation_->choose(0);
    conductor_->choose(0);
    report_->setEnabled(false);
}

cw::BreakerInputs CableWithstandWindow::breakerInputs() const {
    return {utf8(voltage_->text()),
            utf8(length_->text()),
            utf8(breakerSection_->currentText()),
            parallel_->currentIndex(),
            static_cast<cw::Conductor>(breakerConductor_->chosen()),
            utf8(breakerCurrent_->text()),
            utf8(setting_->currentText())};
}

cw::BreakerResults CableWithstandWindow::breakerShown() const {
    cw::BreakerResults shown = factors_;
    shown.minimumCurrent = utf8(minimumCurrent_->text());
    return shown;
}

void CableWithstandWindow::computeMinimum() {
    const auto outcome = cw::ComputeMinimum(breakerInputs(), breakerShown());
    minimumCurrent_->setText(qs(outcome.texts.minimumCurrent));
    factors_ = outcome.texts;
    // Equal currents leave the verdict as it was.
    if (const auto protection = outcome.texts.protection) {
        verdict_->setText(qs(cw::ProtectionText(*protection)));
        setMeaningColour(verdict_, *protection == cw::Protection::Protected ? kGreen : kRed);
    }
    if (MissingInputWarning(this, {voltage_, length_, breakerCurrent_}, outcome))
        minimumReport_->setEnabled(true);
}

} // namespace voltaris::gui
