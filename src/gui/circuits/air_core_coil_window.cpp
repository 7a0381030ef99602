#include "gui/circuits/air_core_coil_window.h"

#include "core/circuits/air_core_coil.h"
#include "gui/fields.h"
#include "gui/key_filters.h"
#include "gui/text.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

const QString kCentimetre = QStringLiteral("cm");
const QString kMicrohenry = QStringLiteral("µH");
const QString kInductance = QStringLiteral("Bobinin mikroHenri Cinsinden Değeri");
const QString kWire = QStringLiteral("Maksimum Olabilecek Tel Çapı");
const QString kEmpirical = QStringLiteral("Yarı Empirik (Gözlemsel) Formülüne Göre :");

// The heading of a formula's results, spanning the grid, and its inductance field, whose
// accessible name carries the formula too.
QLineEdit* addInductance(FieldGrid* grid, const QString& formula, const QString& name) {
    auto* heading = new QLabel(formula);
    QFont font = heading->font();
    font.setBold(true);
    heading->setFont(font);
    grid->addWidget(heading, grid->rowCount(), 0, 1, 3);
    QLineEdit* field = grid->addResult(name, kInductance, kMicrohenry);
    field->setAccessibleName(formula + QLatin1Char(' ') + kInductance);
    return field;
}

// A tab page: its fields, wide enough for a long result, then its own "Hesapla", which Enter in
// any of its fields presses.
QWidget* makePage(FieldGrid* grid, QPushButton* compute) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(makeButtonRow({compute}, {}));
    for (QLineEdit* field : page->findChildren<QLineEdit*>()) {
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QString(16, u'0')));
        pressOnEnter(field, compute);
    }
    return page;
}

} // namespace

AirCoreCoilWindow::AirCoreCoilWindow()
    : ToolWindow(kForm, QStringLiteral("Hava Nüveli Bobin Hesaplama")) {
    auto* layout = new QVBoxLayout(this);
    auto* tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("SSTab1"));
    tabs->setAccessibleName(windowTitle());
    tabs->addTab(buildSingleLayerPage(), QStringLiteral("Tek Katlı Bobin"));
    tabs->addTab(buildMultiLayerPage(), QStringLiteral("Çok Katlı Bobin"));
    layout->addWidget(tabs, 1);

    auto* clearButton = makeClearButton(QStringLiteral("Command4"));
    layout->addLayout(makeButtonRow({clearButton}, {makeReturnButton(QStringLiteral("Command3"))}));
    connect(clearButton, &QPushButton::clicked, this, &AirCoreCoilWindow::clear);
    connect(tabs, &QTabWidget::currentChanged, this,
            [this](int page) { (page == 0 ? singleRadius_ : multiRadius_)->setFocus(); });
    singleRadius_->setFocus();
}

QWidget* AirCoreCoilWindow::buildSingleLayerPage() {
    auto* grid = new FieldGrid;
    singleRadius_ = grid->addInput(QStringLiteral("Text1"),
                                   QStringLiteral("Bobinin Yarıçapını Giriniz"), kCentimetre);
    singleLength_ = grid->addInput(QStringLiteral("Text2"),
                                   QStringLiteral("Bobinin Uzunluğunu Giriniz"), kCentimetre);
    singleTurns_ =
        grid->addInput(QStringLiteral("Text3"), QStringLiteral("Toplam Sarım Sayısını Giriniz"));
    QStringList ratios;
    for (const air_core_coil::NagaokaEntry& entry : air_core_coil::NagaokaEntries())
        ratios << qs(entry.text);
    // No entry is chosen until the first computation chooses one.
    ratio_ = grid->addList(QStringLiteral("Combo1"), QStringLiteral("Çap / Uzunluk Oranı (2r / l)"),
                           ratios, -1);
    nagaoka_ = addInductance(grid, QStringLiteral("Hantaro Nagaoka Formülüne Göre :"),
                             QStringLiteral("Text4"));
    singleWire_ = grid->addResult(QStringLiteral("Text5"), kWire, kCentimetre);
    empirical_ = addInductance(grid, kEmpirical, QStringLiteral("Text6"));

    auto* compute = makeComputeButton(QStringLiteral("Command1"));
    connect(compute, &QPushButton::clicked, this, &AirCoreCoilWindow::computeSingleLayer);
    return makePage(grid, compute);
}

QWidget* AirCoreCoilWindow::buildMultiLayerPage() {
    auto* grid = new FieldGrid;
    multiRadius_ = grid->addInput(QStringLiteral("Text7"),
                                  QStringLiteral("Bobinin Yarıçapını Giriniz"), kCentimetre);
    multiLength_ = grid->addInput(QStringLiteral("Text8"),
                                  QStringLiteral("Bobinin Uzunluğunu Giriniz"), kCentimetre);
    depth_ = grid->addInput(QStringLiteral("Text9"),
                            QStringLiteral("Bobinin Sarım Kalınlığını Giriniz"), kCentimetre);
    multiTurns_ =
        grid->addInput(QStringLiteral("Text10"), QStringLiteral("Toplam Sarım Sayısını Giriniz"));
    multiInductance_ = addInductance(grid, kEmpirical, QStringLiteral("Text11"));
    multiWire_ = grid->addResult(QStringLiteral("Text12"), kWire, kCentimetre);

    auto* compute = makeComputeButton(QStringLiteral("Command2"));
    connect(compute, &QPushButton::clicked, this, &AirCoreCoilWindow::computeMultiLayer);
    return makePage(grid, compute);
}

// A failed computation stops silently: what its steps wrote stays, nothing else changes.
void AirCoreCoilWindow::computeSingleLayer() {
    const auto outcome = air_core_coil::ComputeSingleLayer(
        {utf8(singleRadius_->text()), utf8(singleLength_->text()), utf8(singleTurns_->text()),
         ratio_->currentIndex(), utf8(nagaoka_->text()), utf8(singleWire_->text()),
         utf8(empirical_->text())});
    ratio_->setCurrentIndex(outcome.texts.entry);
    nagaoka_->setText(qs(outcome.texts.nagaoka));
    singleWire_->setText(qs(outcome.texts.wire));
    empirical_->setText(qs(outcome.texts.empirical));
}

void AirCoreCoilWindow::computeMultiLayer() {
    const auto outcome = air_core_coil::ComputeMultiLayer(
        {utf8(multiRadius_->text()), utf8(multiLength_->text()), utf8(depth_->text()),
         utf8(multiTurns_->text()), utf8(multiInductance_->text()), utf8(multiWire_->text())});
    multiInductance_->setText(qs(outcome.texts.inductance));
    multiWire_->setText(qs(outcome.texts.wire));
}

void AirCoreCoilWindow::clear() {
    // Every text field of the window; the Nagaoka list keeps its entry.
    for (QLineEdit* field : findChildren<QLineEdit*>())
        field->clear();
}

} // namespace voltaris::gui
