#include "gui/lowvoltage/lighting_window.h"

#include "gui/fields.h"
#include "gui/lowvoltage/compensation_widgets.h"
#include "gui/messages.h"
#include "gui/text_report.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

constexpr int kDefaults[] = {lighting::kCeilingDefault, lighting::kWallDefault,
                             lighting::kFloorDefault};

// An input row whose unit label carries a tool tip of its own.
QLineEdit* addInputWithUnitTip(FieldGrid* grid, const QString& name, const QString& label,
                               const QString& toolTip, const QString& unit,
                               const QString& unitTip) {
    QLineEdit* field = makeInput(name, label, toolTip);
    QLabel* unitLabel = makeUnitLabel(unit);
    unitLabel->setToolTip(unitTip);
    grid->addRow(label, field, unitLabel);
    return field;
}

} // namespace

LightingWindow::LightingWindow() : ToolWindow(kForm, QStringLiteral("Aydınlatma Hesaplama")) {
    auto* layout = new QVBoxLayout(this);
    auto* menuBar = new QMenuBar(this); // its item opens the unit conversion (openings table)
    addMenuItem(menuBar->addMenu(QStringLiteral("Birimler Arası Çevirimi Aç")),
                QStringLiteral("mn_uzunluk"), QStringLiteral("Uzunluk Ölçümleri Çevirisini Aç"));
    layout->setMenuBar(menuBar);

    auto* grid = new FieldGrid;
    const QString metre = QStringLiteral("m");
    inputFields_ = {
        grid->addInput(QStringLiteral("Text1"), QStringLiteral("Tesisin Uzunluğunu Giriniz"),
                       metre),
        grid->addInput(QStringLiteral("Text2"), QStringLiteral("Tesisin Genişliğini Giriniz"),
                       metre),
        grid->addInput(QStringLiteral("Text3"),
                       QStringLiteral("Işık Kaynağının Zeminden Yüksekliği Giriniz"), metre),
        planeHeight_ =
            grid->addInput(QStringLiteral("Text4"),
                           QStringLiteral("Çalışma Düzleminin Zeminden Yüksekliği"), metre),
        soiling_ = grid->addInput(QStringLiteral("Text5"),
                                  QStringLiteral("Tesisin Kirlenme Faktörünü Giriniz")),
        addInputWithUnitTip(grid, QStringLiteral("Text6"),
                            QStringLiteral("Tesis İçin Gerekli Aydınlık Seviyesini Giriniz"),
                            QStringLiteral("Birim Yüzeye Düşen Işık Akısı Miktarına Lüks Denir."),
                            QStringLiteral("Lüks"), QStringLiteral("Lüks")),
        addInputWithUnitTip(
            grid, QStringLiteral("Text7"),
            QStringLiteral("Tesis'te Kullanacağınız Işık Kaynağının Verdiği Işık Akısı"),
            QStringLiteral("Işık Kaynağından Çıkan ve Normal Gözün Gündüz Görmesine Ait "
                           "Spektral Duyarlık Eğrisine Göre Değerlendirilen Enerji Akısına Lümen "
                           "Denir."),
            QStringLiteral("lm"), QStringLiteral("Lümen")),
    };
    planeHeight_->setText(qs(lighting::kDefaultPlaneHeight));
    soiling_->setText(qs(lighting::kDefaultSoiling));

    addResultsGap(grid);
    QStringList percentages;
    for (const std::string& entry : lighting::ReflectionList())
        percentages << qs(entry);
    const struct {
        const char* name;
        const char* label;
    } lists[] = {
        {"Combo1", "Tavan Yansıtma/Geçirme Kaysayısını Seçiniz"},
        {"Combo2", "Duvar Yansıtma/Geçirme Kaysayısını Seçiniz"},
        {"Combo3", "Zemin Yansıtma/Geçirme Kaysayısını Seçiniz"},
    };
    for (int i = 0; i < 3; ++i)
        reflections_ << grid->addList(QString::fromUtf8(lists[i].name),
                                      QString::fromUtf8(lists[i].label), percentages, kDefaults[i]);
    // The table of surfaces' coefficients opens beside the lists it helps to choose.
    auto* table =
        makeButton(QStringLiteral("Command5"), QStringLiteral("Yansıtma Geçirme Katsayı Tablosu"));
    grid->addWidget(table, grid->rowCount(), 1, Qt::AlignLeft);

    addResultsGap(grid);
    lamps_ =
        grid->addResult(QStringLiteral("Text8"), QStringLiteral("Hesaplanan Işık Kaynağı Sayısı"),
                        QStringLiteral("Adet"));
    reached_ = grid->addResult(QStringLiteral("Text9"),
                               QStringLiteral("Tesiste Olması Gereken Aydınlık Seviyesi"),
                               QStringLiteral("Lüks"));
    fixColumnWidths(grid);
    layout->addLayout(grid);

    auto* compute = makeComputeButton(QStringLiteral("Command1"));
    report_ = makeReportButton(QStringLiteral("Command4"));
    auto* clearButton = makeClearButton(QStringLiteral("Command3"));
    layout->addStretch(1);
    layout->addLayout(makeButtonRow({compute, report_, clearButton},
                                    {makeReturnButton(QStringLiteral("Command2"))}));

    connect(compute, &QPushButton::clicked, this, &LightingWindow::compute);
    connect(report_, &QPushButton::clicked, this, [this] {
        TextReport(this, qs(lighting::kReportName), lighting::ReportLines(inputs(), shown()));
    });
    connect(clearButton, &QPushButton::clicked, this, &LightingWindow::clear);
    inputFields_.front()->setFocus();
}

lighting::Inputs LightingWindow::inputs() const {
    const auto text = [this](int i) { return utf8(inputFields_[i]->text()); };
    return {text(0),
            text(1),
            text(2),
            text(3),
            text(4),
            text(5),
            text(6),
            utf8(reflections_[0]->currentText()),
            utf8(reflections_[1]->currentText()),
            utf8(reflections_[2]->currentText())};
}

lighting::Results LightingWindow::shown() const {
    return {utf8(lamps_->text()), utf8(reached_->text()), kept_};
}

void LightingWindow::compute() {
    const auto outcome = lighting::Compute(inputs(), shown());
    lamps_->setText(qs(outcome.texts.lamps));
    reached_->setText(qs(outcome.texts.reached));
    kept_ = outcome.texts.kept;
    if (MissingInputWarning(this, inputFields_, outcome))
        report_->setEnabled(true);
}

void LightingWindow::clear() {
    for (QLineEdit* field : inputFields_)
        field->clear();
    lamps_->clear();
    reached_->clear();
    planeHeight_->setText(qs(lighting::kDefaultPlaneHeight));
    soiling_->setText(qs(lighting::kDefaultSoiling));
    for (int i = 0; i < 3; ++i)
        reflections_[i]->setCurrentIndex(kDefaults[i]);
    report_->setEnabled(false);
}

} // namespace voltaris::gui
