#include "gui/mediumvoltage/line_voltage_drop_window.h"

#include "gui/colours.h"
#include "gui/fields.h"
#include "gui/live.h"
#include "gui/lowvoltage/cable_widgets.h"
#include "gui/lowvoltage/compensation_widgets.h"
#include "gui/mediumvoltage/line_pictures.h"
#include "gui/messages.h"
#include "gui/options.h"
#include "gui/text.h"
#include "gui/text_report.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

using line_voltage_drop::Line;

template <std::size_t N>
QComboBox* listOf(const QString& name, const std::string_view (&entries)[N]) {
    auto* list = new QComboBox;
    list->setObjectName(name);
    for (std::string_view entry : entries)
        list->addItem(qs(entry));
    return list;
}

template <std::size_t N>
QList<OptionGroup::Option> optionsOf(const QStringList& names,
                                     const std::string_view (&captions)[N]) {
    QList<OptionGroup::Option> options;
    for (std::size_t i = 0; i < N; ++i)
        options.append({names[static_cast<qsizetype>(i)], qs(captions[i])});
    return options;
}

} // namespace

LineVoltageDropWindow::LineVoltageDropWindow()
    : ToolWindow(kForm, QStringLiteral("Orta Gerilimde Gerilim Düşümü Hesaplama")) {
    auto* layout = new QVBoxLayout(this);
    buildMenus();

    lines_ = new OptionGroup(QStringLiteral("Enerji Nakil Hattı Seçeneği"),
                             {{QStringLiteral("Option1"), QStringLiteral("Havai")},
                              {QStringLiteral("Option2"), QStringLiteral("Yeraltı")}});
    voltages_ = new OptionGroup(QStringLiteral("İşletme Gerilimi Seçeneği"),
                                {{QStringLiteral("Option13"), QStringLiteral("6.3 kV")},
                                 {QStringLiteral("Option3"), QStringLiteral("15.8 kV")},
                                 {QStringLiteral("Option11"), QStringLiteral("31.5 kV")},
                                 {QStringLiteral("Option12"), QStringLiteral("33 kV")},
                                 {QStringLiteral("Option4"), QStringLiteral("34.5 kV")}},
                                4);
    arrangements_ = new OptionGroup(
        QStringLiteral("Hat Tertibatı Şekli"),
        optionsOf({QStringLiteral("Option5"), QStringLiteral("Option6"), QStringLiteral("Option7")},
                  line_voltage_drop::kArrangements));
    layings_ = new OptionGroup(QStringLiteral("Kablo Serim Şekli"),
                               optionsOf({QStringLiteral("Option8"), QStringLiteral("Option9"),
                                          QStringLiteral("Option10")},
                                         line_voltage_drop::kLayings),
                               line_voltage_drop::kFlat);
    auto* choices = new QHBoxLayout;
    for (QWidget* frame : {static_cast<QWidget*>(lines_), static_cast<QWidget*>(voltages_),
                           static_cast<QWidget*>(arrangements_), static_cast<QWidget*>(layings_)})
        choices->addWidget(frame);
    choices->addStretch(1);
    layout->addLayout(choices);

    grid_ = new FieldGrid;
    conductors_ = listOf(QStringLiteral("Combo1"), line_voltage_drop::kConductors);
    grid_->addRow(QStringLiteral("Çelik Özlü Alüminyum İletken Kesitini Seçiniz"), conductors_);
    // Both cable lists stand in one row; the laying shows one of them.
    singleCores_ = listOf(QStringLiteral("Combo2"), line_voltage_drop::kSingleCoreCables);
    threeCores_ = listOf(QStringLiteral("Combo3"), line_voltage_drop::kThreeCoreCables);
    cables_ = new QWidget;
    auto* cablesRow = new QHBoxLayout(cables_);
    cablesRow->setContentsMargins(0, 0, 0, 0);
    cablesRow->addWidget(singleCores_);
    cablesRow->addWidget(threeCores_);
    grid_->addRow(QStringLiteral("Bakır İletkenli XLPE Kablo Kesitini Seçiniz"), cables_);
    demand_ = grid_->addInput(QStringLiteral("Text1"), QStringLiteral("Talep Gücünü Giriniz"),
                              QStringLiteral("kVA"));
    length_ = grid_->addInput(QStringLiteral("Text2"), QStringLiteral("Eneji Nakil Hattı Uzunluğu"),
                              QStringLiteral("km"));
    addResultsGap(grid_);
    drop_ = makeResult(QStringLiteral("Text3"), QStringLiteral("Bağıl Gerilim Düşümü (%)"));
    dropVerdict_ = makeLabel(QStringLiteral("Label11"), QString());
    dropVerdict_->hide();
    grid_->addRow(QStringLiteral("Bağıl Gerilim Düşümü (%)"), drop_,
                  besideField(QString(), dropVerdict_));
    loss_ = grid_->addResult(QStringLiteral("Text4"), QStringLiteral("Güç Kaybı"),
                             QStringLiteral("kW"));
    lossPercent_ = makeResult(QStringLiteral("Text5"), QStringLiteral("Güç Kaybı (Yüzde)"));
    lossVerdict_ = makeLabel(QStringLiteral("Label12"), QString());
    grid_->addRow(QStringLiteral("Güç Kaybı (Yüzde)"), lossPercent_,
                  besideField(QString(), lossVerdict_));

    picture_ = new LinePicture(QStringLiteral("Picture1"));
    auto* pictureBox = new QVBoxLayout;
    pictureBox->addWidget(picture_);
    auto* middle = new QHBoxLayout;
    middle->addLayout(grid_, 1);
    middle->addWidget(makeFrame(QStringLiteral("Seçilen ENH Şekli"), pictureBox));
    layout->addLayout(middle);

    auto* capacityGrid = new FieldGrid;
    current_ = capacityGrid->addResult(QStringLiteral("Text6"), QStringLiteral("Akım"),
                                       QStringLiteral("A"));
    capacity_ = makeLabel(QStringLiteral("Label13"), QString());
    capacityVerdict_ = makeLabel(QStringLiteral("Label14"), QString());
    capacityGrid->addWidget(capacity_, capacityGrid->rowCount(), 0, 1, 4);
    capacityGrid->addWidget(capacityVerdict_, capacityGrid->rowCount(), 0, 1, 4);
    capacityGrid->setColumnStretch(3, 1);
    layout->addWidget(makeFrame(QStringLiteral("Akım Taşıma Kapasitesi Kontrolü"), capacityGrid));

    auto* compute = makeComputeButton(QStringLiteral("Command1"));
    report_ = makeReportButton(QStringLiteral("Command4"));
    auto* clearButton = makeClearButton(QStringLiteral("Command3"));
    layout->addStretch(1);
    layout->addLayout(makeButtonRow({compute, report_, clearButton},
                                    {makeReturnButton(QStringLiteral("Command2"))}));

    connect(compute, &QPushButton::clicked, this, &LineVoltageDropWindow::compute);
    connect(report_, &QPushButton::clicked, this, &LineVoltageDropWindow::writeReport);
    connect(clearButton, &QPushButton::clicked, this, &LineVoltageDropWindow::clear);
    // `Timer1` shows what belongs to the chosen line kind; `Timer2` keeps U, K, C and Imax.
    new WindowTimer(this, QStringLiteral("Timer1"), [this] { showLineKind(); });
    new WindowTimer(this, QStringLiteral("Timer2"), [this] { keepCoefficients(); });
    showLineKind();
    keepCoefficients();
}

void LineVoltageDropWindow::buildMenus() {
    auto* menuBar = new QMenuBar(this);
    // Every item opens its window through the openings table.
    addConversionMenu(menuBar, {{QStringLiteral("mn_guc"), QStringLiteral("Güç")},
                                {QStringLiteral("mn_akım"), QStringLiteral("Akım")}});
    QMenu* units = menuBar->addMenu(QStringLiteral("Birimler Arası Çevirimi Aç"));
    addMenuItem(units, QStringLiteral("mn_uzunluk"),
                QStringLiteral("Uzunluk Ölçümleri Çevirisini Aç"));
    QMenu* extras = menuBar->addMenu(QStringLiteral("Ek Hesaplamalar"));
    addMenuItem(extras, QStringLiteral("mn_gucc"),
                QStringLiteral("Güçlerin Bir Birine Çevirilmesi Bölümünü Aç"));
    addMenuItem(extras, QStringLiteral("mn_akımtasımaduzeltme"),
                QStringLiteral("Kablo Akım Taşıma Düzeltme Faktörleri Bölümünü Aç"));
    layout()->setMenuBar(menuBar);
}

Line LineVoltageDropWindow::chosenLine() const {
    return lines_->chosen() == 0 ? Line::Overhead : Line::Underground;
}

int LineVoltageDropWindow::chosenArrangement() const {
    return chosenLine() == Line::Overhead ? arrangements_->chosen() : layings_->chosen();
}

QComboBox* LineVoltageDropWindow::conductorList() const {
    if (chosenLine() == Line::Overhead)
        return conductors_;
    return layings_->chosen() == line_voltage_drop::kThreeCore ? threeCores_ : singleCores_;
}

void LineVoltageDropWindow::showLineKind() {
    const Line line = chosenLine();
    const bool overhead = line == Line::Overhead;
    arrangements_->setVisible(overhead);
    layings_->setVisible(!overhead);
    grid_->setRowVisible(conductors_, overhead);
    grid_->setRowVisible(cables_, !overhead);
    const bool threeCore = layings_->chosen() == line_voltage_drop::kThreeCore;
    singleCores_->setVisible(!threeCore);
    threeCores_->setVisible(threeCore);
    picture_->setDrawing(line, chosenArrangement());
    arrangementReport_ = line_voltage_drop::ArrangementReportText(line, chosenArrangement());
}

void LineVoltageDropWindow::keepCoefficients() {
    kept_ = line_voltage_drop::CoefficientsOf(
        {chosenLine(), voltages_->chosen(), chosenArrangement(), conductorList()->currentIndex()});
}

void LineVoltageDropWindow::compute() {
    line_voltage_drop::Texts start;
    start.drop = utf8(drop_->text());
    start.loss = utf8(loss_->text());
    start.lossPercent = utf8(lossPercent_->text());
    start.current = utf8(current_->text());
    start.capacity = utf8(capacity_->text());
    start.conductorReport = conductorReport_;
    const Outcome<line_voltage_drop::Texts> outcome =
        line_voltage_drop::Compute({chosenLine(), kept_, utf8(demand_->text()),
                                    utf8(length_->text()), utf8(conductorList()->currentText())},
                                   start);
    const line_voltage_drop::Texts& t = outcome.texts;
    drop_->setText(qs(t.drop));
    loss_->setText(qs(t.loss));
    lossPercent_->setText(qs(t.lossPercent));
    current_->setText(qs(t.current));
    if (t.dropVerdict) {
        dropVerdict_->show();
        showVerdict(dropVerdict_, *t.dropVerdict, drop_);
    }
    if (t.lossVerdict)
        showVerdict(lossVerdict_, *t.lossVerdict, lossPercent_);
    capacity_->setText(qs(t.capacity));
    conductorReport_ = t.conductorReport;
    if (t.capacityVerdict)
        showVerdict(capacityVerdict_, *t.capacityVerdict, current_);
    if (MissingInputWarning(this, {demand_, length_}, outcome))
        report_->setEnabled(true);
}

void LineVoltageDropWindow::writeReport() {
    const line_voltage_drop::Shown shown{utf8(demand_->text()),      utf8(length_->text()),
                                         utf8(drop_->text()),        utf8(loss_->text()),
                                         utf8(lossPercent_->text()), utf8(current_->text()),
                                         utf8(dropVerdict_->text()), utf8(lossVerdict_->text()),
                                         utf8(capacity_->text()),    utf8(capacityVerdict_->text()),
                                         arrangementReport_,         conductorReport_};
    TextReport(this, qs(line_voltage_drop::kReportName),
               line_voltage_drop::ReportLines(chosenLine(), kept_, shown));
}

void LineVoltageDropWindow::clear() {
    for (QLineEdit* field : {demand_, length_, drop_, loss_, lossPercent_, current_})
        field->clear();
    for (QLabel* label : {dropVerdict_, lossVerdict_, capacity_, capacityVerdict_})
        label->clear();
    for (QLineEdit* field : {drop_, lossPercent_, current_})
        setMeaningColour(field, std::nullopt);
    report_->setEnabled(false);
}

} // namespace voltaris::gui
