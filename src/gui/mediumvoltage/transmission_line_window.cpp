#include "gui/mediumvoltage/transmission_line_window.h"

#include "core/lowvoltage/overhead_conductors.h"
#include "core/lowvoltage/power_common.h"
#include "core/mediumvoltage/transmission_line.h"
#include "gui/fields.h"
#include "gui/lowvoltage/power_widgets.h"
#include "gui/messages.h"
#include "gui/reference_table.h"
#include "gui/text.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

namespace tl = transmission_line;
namespace oc = overhead_conductors;

const QString kMetre = QStringLiteral("m");
const QString kKilometre = QStringLiteral("km");
const QString kKilovolt = QStringLiteral("kV");
const QString kOhmPerKm = QStringLiteral("Ω/km");
const QString kDecanewton = QStringLiteral("daN");

const QString kLineSource =
    QStringLiteral("Kaynak: J. J. Grainger, W. D. Stevenson, \"Power System Analysis\", "
                   "McGraw-Hill 1994, bölüm 4 (endüktans), 5 (kapasite) ve 6 (dalga empedansı).");
const QString kSpanSource =
    QStringLiteral("Kaynak: V. K. Mehta, R. Mehta, \"Principles of Power System\", S. Chand, "
                   "bölüm 8 (havai hatların mekanik tasarımı: sehim, buz ve rüzgar yükü).");

QString conductorEntry(const tl::Conductor& conductor) {
    const oc::Conductor& c = conductor.table;
    return qs(c.name) + QStringLiteral(" (") + qs(c.size) + QStringLiteral(", ") + qs(c.strands) +
           QLatin1Char(')');
}

// The line's own figures as the table shows them: the GMR to 3 decimals (mm), the breaking
// strength to 1 (kN).
QString gmrText(const tl::Conductor& conductor) {
    return qs(oc::TableFigure(conductor.gmr, 3));
}

QString strengthText(const tl::Conductor& conductor) {
    return qs(oc::TableFigure(conductor.strength, 1));
}

QLabel* wrappedLine(const QString& text) {
    auto* line = new QLabel(text);
    line->setWordWrap(true);
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return line;
}

// A tab page: its fields and its own "Hesapla" on the left, the formulas used and their source
// beside them.
QWidget* makePage(FieldGrid* grid, const QString& formula, const QString& source,
                  QPushButton* compute) {
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    auto* fields = new QVBoxLayout;
    fields->addLayout(grid);
    fields->addStretch(1);
    fields->addLayout(makeButtonRow({compute}, {}));
    layout->addLayout(fields, 1);
    for (QLineEdit* field : page->findChildren<QLineEdit*>())
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QString(14, u'0')));
    auto* formulas = new QVBoxLayout;
    QLabel* formulaLines = wrappedLine(formula);
    formulaLines->setMinimumWidth(formulaLines->fontMetrics().horizontalAdvance(QString(36, u'0')));
    formulas->addWidget(formulaLines);
    formulas->addSpacing(formulaLines->fontMetrics().height());
    formulas->addWidget(wrappedLine(source));
    formulas->addStretch(1);
    layout->addWidget(makeFrame(QStringLiteral("Formüller"), formulas));
    return page;
}

} // namespace

TransmissionLineWindow::TransmissionLineWindow()
    : ToolWindow(kForm, QStringLiteral("Enerji Nakil Hattı Hesaplamaları")) {
    auto* layout = new QVBoxLayout(this);

    auto* choice = new FieldGrid;
    QStringList entries;
    for (const tl::Conductor& conductor : tl::Conductors())
        entries << conductorEntry(conductor);
    conductor_ = choice->addList(QStringLiteral("Combo1"),
                                 QStringLiteral("Çelik Özlü Alüminyum İletken"), entries);
    conductorData_ = makeLabel(QStringLiteral("Label1"), {});
    choice->addWidget(conductorData_, choice->rowCount(), 0, 1, 3);
    QGroupBox* frame = makeFrame(QStringLiteral("İletken"), choice);
    frame->setObjectName(QStringLiteral("Frame1"));
    layout->addWidget(frame);

    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    tabs_->setAccessibleName(windowTitle());
    tabs_->setUsesScrollButtons(false); // every page's tab in sight
    tabs_->addTab(buildConstantsPage(), QStringLiteral("Hat Sabitleri"));
    tabs_->addTab(buildSurgePage(), QStringLiteral("Dalga Empedansı ve Doğal Güç"));
    tabs_->addTab(buildLossesPage(), QStringLiteral("Hat Kayıpları"));
    tabs_->addTab(buildSpanPage(), QStringLiteral("Sehim ve Gerilme"));
    tabs_->addTab(buildTablePage(), QStringLiteral("İletken Tablosu"));
    layout->addWidget(tabs_, 1);

    auto* clearButton = makeClearButton(QStringLiteral("Command4"));
    layout->addLayout(makeButtonRow({clearButton}, {makeReturnButton(QStringLiteral("Command6"))}));
    connect(clearButton, &QPushButton::clicked, this, &TransmissionLineWindow::clear);
    connect(conductor_, &QComboBox::currentIndexChanged, this,
            &TransmissionLineWindow::showConductor);
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int page) {
        if (auto* first = tabs_->widget(page)->findChild<QLineEdit*>())
            first->setFocus();
    });
    showConductor(0);
    d12_->setFocus();
}

QWidget* TransmissionLineWindow::buildConstantsPage() {
    auto* grid = new FieldGrid;
    d12_ = grid->addInput(QStringLiteral("Text1"),
                          QStringLiteral("1. ve 2. Faz İletkenleri Arası Uzaklık (D12)"), kMetre);
    d23_ = grid->addInput(QStringLiteral("Text2"),
                          QStringLiteral("2. ve 3. Faz İletkenleri Arası Uzaklık (D23)"), kMetre);
    d31_ = grid->addInput(QStringLiteral("Text3"),
                          QStringLiteral("3. ve 1. Faz İletkenleri Arası Uzaklık (D31)"), kMetre);
    gmd_ = grid->addResult(QStringLiteral("Text4"),
                           QStringLiteral("Fazlar Arası Ortalama Geometrik Uzaklık (GMD)"), kMetre);
    resistance_ = grid->addResult(QStringLiteral("Text11"),
                                  QStringLiteral("İletken Direnci (R, 20 °C)"), kOhmPerKm);
    inductance_ = grid->addResult(QStringLiteral("Text12"), QStringLiteral("Endüktans (L)"),
                                  QStringLiteral("mH/km"));
    reactance_ = grid->addResult(QStringLiteral("Text13"), QStringLiteral("Endüktif Reaktans (XL)"),
                                 kOhmPerKm);
    capacitance_ = grid->addResult(QStringLiteral("Text14"), QStringLiteral("Kapasite (C)"),
                                   QStringLiteral("nF/km"));
    susceptance_ =
        grid->addResult(QStringLiteral("Text15"), QStringLiteral("Kapasitif Süseptans (B)"),
                        QStringLiteral("µS/km"));

    auto* compute = makeComputeButton(QStringLiteral("Command1"));
    connect(compute, &QPushButton::clicked, this, &TransmissionLineWindow::computeConstants);
    return makePage(grid,
                    QStringLiteral("GMD = ∛(D12 · D23 · D31)\nL = 0.2 · ln(GMD / GMR)\n"
                                   "XL = 2π · f · L\nC = 2π · ε0 / ln(GMD / r)\nB = 2π · f · C\n"
                                   "f = 50 Hz, r = iletken yarıçapı; R: iletkenin 20 °C doğru akım "
                                   "direnci. Hat tam transpoze kabul edilir."),
                    kLineSource, compute);
}

QWidget* TransmissionLineWindow::buildSurgePage() {
    auto* grid = new FieldGrid;
    surgeVoltage_ =
        grid->addInput(QStringLiteral("Text5"), QStringLiteral("Hat Gerilimi (U)"), kKilovolt);
    surgeLength_ =
        grid->addInput(QStringLiteral("Text6"), QStringLiteral("Hat Uzunluğu (ℓ)"), kKilometre);
    impedance_ = grid->addResult(QStringLiteral("Text7"), QStringLiteral("Dalga Empedansı (Zc)"),
                                 QStringLiteral("Ω"));
    naturalPower_ = grid->addResult(QStringLiteral("Text16"), QStringLiteral("Doğal Güç (Pd)"),
                                    QStringLiteral("MW"));
    chargingCurrent_ = grid->addResult(QStringLiteral("Text17"), QStringLiteral("Şarj Akımı (Ic)"),
                                       QStringLiteral("A"));
    chargingPower_ = grid->addResult(QStringLiteral("Text21"), QStringLiteral("Şarj Gücü (Qc)"),
                                     QStringLiteral("kVAr"));

    auto* compute = makeComputeButton(QStringLiteral("Command2"));
    connect(compute, &QPushButton::clicked, this, &TransmissionLineWindow::computeSurge);
    return makePage(grid,
                    QStringLiteral("Zc = √(L / C)\nPd = U² / Zc\nIc = (U / √3) · B · ℓ\n"
                                   "Qc = U² · B · ℓ\nL, C ve B seçilen iletken ile \"Hat "
                                   "Sabitleri\" sayfasındaki faz aralıklarından (kayıpsız hat)."),
                    kLineSource, compute);
}

QWidget* TransmissionLineWindow::buildLossesPage() {
    auto* grid = new FieldGrid;
    power_ = grid->addInput(QStringLiteral("Text8"), QStringLiteral("Hattın Taşıdığı Güç (P)"),
                            QStringLiteral("kW"));
    lossVoltage_ =
        grid->addInput(QStringLiteral("Text9"), QStringLiteral("Hat Gerilimi (U)"), kKilovolt);
    lossLength_ =
        grid->addInput(QStringLiteral("Text10"), QStringLiteral("Hat Uzunluğu (ℓ)"), kKilometre);
    powerFactor_ =
        addPowerFactorList(grid, QStringLiteral("Combo2"), QStringLiteral("Güç Katsayısı (cos φ)"));
    current_ = grid->addResult(QStringLiteral("Text22"), QStringLiteral("Hat Akımı (I)"),
                               QStringLiteral("A"));
    lineResistance_ =
        grid->addResult(QStringLiteral("Text23"), QStringLiteral("Bir Faz İletkeninin Direnci (R)"),
                        QStringLiteral("Ω"));
    loss_ = grid->addResult(QStringLiteral("Text24"), QStringLiteral("Hat Kaybı (ΔP)"),
                            QStringLiteral("kW"));
    lossPercent_ = grid->addResult(QStringLiteral("Text25"),
                                   QStringLiteral("Yüzde Hat Kaybı (%ΔP)"), QStringLiteral("%"));

    auto* compute = makeComputeButton(QStringLiteral("Command3"));
    connect(compute, &QPushButton::clicked, this, &TransmissionLineWindow::computeLosses);
    return makePage(grid,
                    QStringLiteral("I = P / (√3 · U · cos φ)\nR = R20 · ℓ\nΔP = 3 · I² · R\n"
                                   "%ΔP = 100 · ΔP / P\nR20: seçilen iletkenin 20 °C doğru akım "
                                   "direnci."),
                    kLineSource, compute);
}

QWidget* TransmissionLineWindow::buildSpanPage() {
    auto* grid = new FieldGrid;
    span_ = grid->addInput(QStringLiteral("Text18"),
                           QStringLiteral("Direkler Arası Açıklık (a, aynı seviyede)"), kMetre);
    safety_ = grid->addInput(QStringLiteral("Text19"),
                             QStringLiteral("Kopma Yüküne Göre Emniyet Katsayısı (k)"));
    height_ =
        grid->addInput(QStringLiteral("Text20"),
                       QStringLiteral("İletken Askı Noktasının Yerden Yüksekliği (h)"), kMetre);
    ice_ = grid->addInput(QStringLiteral("Text26"), QStringLiteral("Buz Yükü (wb, isteğe bağlı)"),
                          QStringLiteral("daN/m"));
    wind_ =
        grid->addInput(QStringLiteral("Text27"), QStringLiteral("Rüzgar Basıncı (q, isteğe bağlı)"),
                       QStringLiteral("daN/m²"));
    load_ = grid->addResult(QStringLiteral("Text28"), QStringLiteral("Bileşke Yük (w)"),
                            QStringLiteral("daN/m"));
    tension_ =
        grid->addResult(QStringLiteral("Text29"),
                        QStringLiteral("Askı Noktasında En Büyük Çekme (Tmax)"), kDecanewton);
    horizontal_ = grid->addResult(QStringLiteral("Text30"),
                                  QStringLiteral("Yatay Çekme Kuvveti (H)"), kDecanewton);
    parabolic_ =
        grid->addResult(QStringLiteral("Text31"), QStringLiteral("Sehim (Parabol)"), kMetre);
    catenary_ =
        grid->addResult(QStringLiteral("Text32"), QStringLiteral("Sehim (Katener)"), kMetre);
    length_ = grid->addResult(QStringLiteral("Text33"),
                              QStringLiteral("Bir Açıklıktaki İletken Boyu"), kMetre);
    clearance_ =
        grid->addResult(QStringLiteral("Text34"),
                        QStringLiteral("İletkenin En Alçak Noktasının Yerden Yüksekliği"), kMetre);

    auto* compute = makeComputeButton(QStringLiteral("Command5"));
    connect(compute, &QPushButton::clicked, this, &TransmissionLineWindow::computeSpan);
    return makePage(
        grid,
        QStringLiteral(
            "w = √((wi + wb)² + (q · d)²), wi = iletken ağırlığı\nTmax = Kopma Yükü / k\n"
            "Tmax = H · cosh(w · a / 2H)\nf (parabol) = w · a² / 8H\n"
            "f (katener) = H / w · (cosh(w · a / 2H) − 1)\n"
            "İletken boyu = 2H / w · sinh(w · a / 2H)\n"
            "Yerden yükseklik = h − f (katener) · (wi + wb) / w."),
        kSpanSource, compute);
}

QWidget* TransmissionLineWindow::buildTablePage() {
    const QStringList headers = {QStringLiteral("İletken"),
                                 QStringLiteral("Kesit"),
                                 QStringLiteral("Tel Sayısı Al/Çelik"),
                                 QStringLiteral("Çap (mm)"),
                                 QStringLiteral("GMR (mm)"),
                                 QStringLiteral("R 20 °C (Ω/km)"),
                                 QStringLiteral("Kütle (kg/km)"),
                                 QStringLiteral("Kopma Yükü (kN)")};
    QList<QStringList> rows;
    for (const tl::Conductor& c : tl::Conductors())
        rows.append({qs(c.table.name), qs(c.table.size), qs(c.table.strands),
                     qs(oc::DiameterText(c.table)), gmrText(c), qs(oc::ResistanceText(c.table)),
                     qs(oc::MassText(c.table)), strengthText(c)});
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* table = new ReferenceTable(QStringLiteral("Table1"), headers, rows);
    table->setAccessibleName(QStringLiteral("İletken Tablosu"));
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    layout->addWidget(table);
    layout->addWidget(wrappedLine(QStringLiteral("Kaynak: ") + qs(oc::kAcsrSourceNote) +
                                  QLatin1Char('\n') + qs(tl::kConductorSource)));
    layout->addStretch(1);
    connect(conductor_, &QComboBox::currentIndexChanged, table,
            [table](int index) { table->selectRow(index); });
    connect(table, &QTableWidget::cellClicked, conductor_,
            [this](int row) { conductor_->setCurrentIndex(row); });
    return page;
}

void TransmissionLineWindow::showConductor(int index) {
    if (index < 0)
        return;
    const tl::Conductor& c = tl::Conductors()[static_cast<std::size_t>(index)];
    conductorData_->setText(QStringLiteral("Çap %1 mm   GMR %2 mm   R20 %3 Ω/km   %4 kg/km   "
                                           "Kopma Yükü %5 kN")
                                .arg(qs(oc::DiameterText(c.table)), gmrText(c),
                                     qs(oc::ResistanceText(c.table)), qs(oc::MassText(c.table)),
                                     strengthText(c)));
}

void TransmissionLineWindow::computeConstants() {
    const auto outcome = tl::ComputeConstants(
        {conductor_->currentIndex(), utf8(d12_->text()), utf8(d23_->text()), utf8(d31_->text())},
        {utf8(gmd_->text()), utf8(resistance_->text()), utf8(inductance_->text()),
         utf8(reactance_->text()), utf8(capacitance_->text()), utf8(susceptance_->text())});
    const tl::Constants& t = outcome.texts;
    gmd_->setText(qs(t.gmd));
    resistance_->setText(qs(t.resistance));
    inductance_->setText(qs(t.inductance));
    reactance_->setText(qs(t.reactance));
    capacitance_->setText(qs(t.capacitance));
    susceptance_->setText(qs(t.susceptance));
    MissingInputWarning(this, {d12_, d23_, d31_}, outcome);
}

void TransmissionLineWindow::computeSurge() {
    const auto outcome = tl::ComputeSurge(
        {{conductor_->currentIndex(), utf8(d12_->text()), utf8(d23_->text()), utf8(d31_->text())},
         utf8(surgeVoltage_->text()),
         utf8(surgeLength_->text())},
        {utf8(impedance_->text()), utf8(naturalPower_->text()), utf8(chargingCurrent_->text()),
         utf8(chargingPower_->text())});
    const tl::Surge& t = outcome.texts;
    impedance_->setText(qs(t.impedance));
    naturalPower_->setText(qs(t.naturalPower));
    chargingCurrent_->setText(qs(t.chargingCurrent));
    chargingPower_->setText(qs(t.chargingPower));
    MissingInputWarning(this, {surgeVoltage_, surgeLength_}, outcome);
}

void TransmissionLineWindow::computeLosses() {
    const auto outcome = tl::ComputeLosses({conductor_->currentIndex(), utf8(power_->text()),
                                            utf8(lossVoltage_->text()), utf8(lossLength_->text()),
                                            utf8(powerFactor_->currentText())},
                                           {utf8(current_->text()), utf8(lineResistance_->text()),
                                            utf8(loss_->text()), utf8(lossPercent_->text())});
    const tl::Losses& t = outcome.texts;
    current_->setText(qs(t.current));
    lineResistance_->setText(qs(t.resistance));
    loss_->setText(qs(t.loss));
    lossPercent_->setText(qs(t.lossPercent));
    MissingInputWarning(this, {power_, lossVoltage_, lossLength_}, outcome);
}

void TransmissionLineWindow::computeSpan() {
    const auto outcome =
        tl::ComputeSpan({conductor_->currentIndex(), utf8(span_->text()), utf8(safety_->text()),
                         utf8(height_->text()), utf8(ice_->text()), utf8(wind_->text())},
                        {utf8(load_->text()), utf8(tension_->text()), utf8(horizontal_->text()),
                         utf8(parabolic_->text()), utf8(catenary_->text()), utf8(length_->text()),
                         utf8(clearance_->text())});
    const tl::Span& t = outcome.texts;
    load_->setText(qs(t.load));
    tension_->setText(qs(t.tension));
    horizontal_->setText(qs(t.horizontal));
    parabolic_->setText(qs(t.parabolic));
    catenary_->setText(qs(t.catenary));
    length_->setText(qs(t.length));
    clearance_->setText(qs(t.clearance));
    MissingInputWarning(this, {span_, safety_, height_}, outcome);
}

void TransmissionLineWindow::clear() {
    for (QLineEdit* field : findChildren<QLineEdit*>())
        field->clear();
    conductor_->setCurrentIndex(0);
    powerFactor_->setCurrentIndex(power::kDefaultPowerFactorIndex);
}

} // namespace voltaris::gui
