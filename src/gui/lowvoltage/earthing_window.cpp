#include "gui/lowvoltage/earthing_window.h"

#include "gui/colours.h"
#include "gui/default_buttons.h"
#include "gui/fields.h"
#include "gui/lowvoltage/compensation_widgets.h"
#include "gui/lowvoltage/earthing_pictures.h"
#include "gui/messages.h"
#include "gui/options.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <functional>
#include <optional>

namespace voltaris::gui {

namespace {

const QString kMetre = QStringLiteral("m");
const QString kPieces = QStringLiteral("Adet");
const QString kComputed = QStringLiteral("Hesaplanan Direnç Değeri");

QLineEdit* addResistance(FieldGrid* grid, const QString& name, const QString& label = kComputed) {
    QLineEdit* field = makeResult(name, label);
    grid->addRow(label, field, makeOhmUnit());
    return field;
}

// A "Not" button, its box the note given.
QPushButton* makeNote(QWidget* window, const QString& name, std::string_view note) {
    QPushButton* button = makeButton(name, QStringLiteral("Not"));
    QObject::connect(button, &QPushButton::clicked, window,
                     [window, note] { ShowInformation(window, qs(note)); });
    return button;
}

// The row of `control` in `grid`.
int rowOf(QGridLayout* grid, QWidget* control) {
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(control), &row, &column, &rowSpan, &columnSpan);
    return row;
}

// A tab page: its fields beside the drawing of its arrangement (under the page's mark where it
// has one; a page without a drawing here has it among its fields), then its own "Hesapla".
QWidget* makePage(QLayout* fields, std::optional<EarthingDrawing> drawing, QPushButton* compute,
                  const QString& mark = {}) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* top = new QHBoxLayout;
    top->addLayout(fields, 1);
    if (drawing) {
        auto* side = new QVBoxLayout;
        if (!mark.isEmpty())
            side->addWidget(new QLabel(mark), 0, Qt::AlignRight);
        side->addWidget(new EarthingPicture(*drawing));
        side->addStretch(1);
        top->addLayout(side);
    }
    layout->addLayout(top);
    layout->addStretch(1);
    layout->addLayout(makeButtonRow({compute}, {}));
    return page;
}

// Fields that stand alone in their page hold their rows at the top.
QVBoxLayout* stacked(QLayout* grid) {
    auto* layout = new QVBoxLayout;
    layout->addLayout(grid);
    layout->addStretch(1);
    return layout;
}

// A tab's "Hesapla" that writes one resistance: `compute` gives the outcome from the result as
// it stands; `tested` are the tab's inputs.
void onResistanceCompute(QWidget* window, QPushButton* button, QLineEdit* result,
                         const QList<QLineEdit*>& tested,
                         const std::function<Outcome<std::string>(std::string)>& compute) {
    QObject::connect(button, &QPushButton::clicked, window, [=] {
        const Outcome<std::string> outcome = compute(utf8(result->text()));
        result->setText(qs(outcome.texts));
        MissingInputWarning(window, tested, outcome);
    });
}

void showVerdict(QLabel* label, QLineEdit* field, earthing::Verdict verdict) {
    if (verdict == earthing::Verdict::None)
        return; // at the limit itself nothing is said
    const bool suitable = verdict == earthing::Verdict::Suitable;
    label->setText(qs(suitable ? earthing::kSuitable : earthing::kUnsuitable));
    setMeaningColour(label, suitable ? kGreen : kRed);
    setMeaningColour(field, suitable ? kGreen : kRed);
}

} // namespace

EarthingWindow::EarthingWindow()
    : ToolWindow(kForm, QStringLiteral("Topraklama Hesaplama Bölümü")) {
    auto* layout = new QVBoxLayout(this);
    buildMenus(layout);

    auto* shared = new FieldGrid;
    resistivity_ =
        shared->addInput(QStringLiteral("Text3"), QStringLiteral("Toprak Özgül Direncini Giriniz"),
                         QStringLiteral("Ohm-m"));
    resistivity_->setText(qs(earthing::kDefaultResistivity));
    shared->addWidget(
        makeButton(QStringLiteral("Command12"), QStringLiteral("Toprak Özgül Direnç Tablosunu Aç")),
        rowOf(shared, resistivity_), 3);
    layout->addLayout(shared);

    auto* tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("SSTab1"));
    tabs->setAccessibleName(windowTitle());
    tabs->setUsesScrollButtons(false); // every tab in sight
    tabs->setElideMode(Qt::ElideNone);
    tabs->addTab(buildFoundationPage(), QStringLiteral("Bina Temel Topraklaması Hesabı"));
    tabs->addTab(buildRodsPage(), QStringLiteral("Çubuk Topraklama"));
    tabs->addTab(buildSectionPage(), QStringLiteral("Kesit Hesabı"));
    tabs->addTab(buildPolygonPage(), QStringLiteral("Çokgen Alanlar"));
    tabs->addTab(buildBuriedPage(), QStringLiteral("Gömülü İletken"));
    tabs->addTab(buildMeshPage(), QStringLiteral("Gözlü Topraklama"));
    layout->addWidget(tabs, 1);

    auto* clearButton = makeClearButton(QStringLiteral("Command7"));
    layout->addLayout(makeButtonRow(
        {clearButton, makeNote(this, QStringLiteral("Command8"), earthing::kSourceNote)},
        {makeReturnButton(QStringLiteral("Command2"))}));
    connect(clearButton, &QPushButton::clicked, this, &EarthingWindow::clear);

    // Enter presses the "Hesapla" of the tab in front, from any field.
    QList<DefaultButtons::Page> pages;
    for (QPushButton* compute : computes_)
        pages.append({compute, nullptr});
    new DefaultButtons(this, tabs, pages);
    resistivity_->setFocus();
}

void EarthingWindow::buildMenus(QVBoxLayout* layout) {
    // The conversion and auxiliary items open their windows through the openings table.
    auto* menuBar = new QMenuBar(this);
    addConversionMenu(menuBar, {{QStringLiteral("mn_direnç"), QStringLiteral("Direnç")},
                                {QStringLiteral("mn_akım"), QStringLiteral("Akım")}});
    addMenuItems(menuBar->addMenu(QStringLiteral("Birimler Arası Çevirimi Aç")),
                 {{"mn_uzunluk", "Uzunluk Ölçümleri Çevirisini Aç"},
                  {"mn_alan", "Alan Ölçümleri Çevirisini Aç"}});
    QMenu* extras = menuBar->addMenu(QStringLiteral("Ek Hesaplamalar"));
    QMenu* sections = extras->addMenu(QStringLiteral("İletkenin Kesitini Hesaplama"));
    connect(addMenuItem(sections, QStringLiteral("mn_Kesit"),
                        QStringLiteral("İletkenlinin Kesitini Hesaplama")),
            &QAction::triggered, this, [this] {
                PromptWarning(this, [this] {
                    ShowMessage(this, earthing::SectionMessage(
                                          PromptNumber(this, qs(earthing::kDiameterPrompt))));
                });
            });
    addMenuItem(sections, QStringLiteral("mn_cokkesıt"),
                QStringLiteral("Çok İletkenlilerde Kesit Hesaplama"));
    connect(addMenuItem(extras, QStringLiteral("mn_ÇapÇ"),
                        QStringLiteral("İletkenin Kesitini Biliyorum, Çapına Çevireceğim")),
            &QAction::triggered, this, [this] {
                PromptWarning(this, [this] {
                    ShowMessage(this, earthing::DiameterMessage(
                                          PromptNumber(this, qs(earthing::kSectionPrompt))));
                });
            });
    layout->setMenuBar(menuBar);
}

QWidget* EarthingWindow::buildFoundationPage() {
    auto* grid = new FieldGrid;
    area_ = grid->addInput(QStringLiteral("Text21"), QStringLiteral("Bina Temel Alanını Giriniz"),
                           QStringLiteral("m²"));
    stripLength_ = grid->addInput(QStringLiteral("Text22"),
                                  QStringLiteral("Şerit Uzunluğunu Giriniz"), kMetre);
    rodCount_ =
        grid->addInput(QStringLiteral("Text23"), QStringLiteral("Çubuk Sayısını Giriniz"), kPieces);
    rodLength_ =
        grid->addInput(QStringLiteral("Text24"), QStringLiteral("Çubuk Boyunu Giriniz"), kMetre);
    total_ = addResistance(grid, QStringLiteral("Text25"),
                           QStringLiteral("Toplam Topraklama Eşdeğer Direnç Değeri"));
    // The drawing stands beside the foundation's rows, the verdicts beside the limits' rows.
    grid->addWidget(new EarthingPicture(EarthingDrawing::Foundation), rowOf(grid, area_), 3,
                    rowOf(grid, total_) - rowOf(grid, area_) + 1, 1, Qt::AlignTop);
    addResultsGap(grid);

    // The protective device and the limits it sets, each judged beside its field.
    QStringList currents;
    for (const std::string& current : earthing::RatedCurrents())
        currents << qs(current);
    ratedCurrent_ = grid->addList(QStringLiteral("Combo2"),
                                  QStringLiteral("Koruma Elemanının Anma Akımını Seçiniz"),
                                  currents, earthing::kRatedCurrentDefault, QStringLiteral("A"));
    tripMultiple_ = grid->addInput(QStringLiteral("Text26"),
                                   QStringLiteral("Koruma Elemanının Açma Akımını Giriniz"),
                                   QStringLiteral("x In"));
    tripMultiple_->setText(qs(earthing::kDefaultTripMultiple));
    grid->addWidget(makeNote(this, QStringLiteral("Command10"), earthing::kTripNote),
                    rowOf(grid, tripMultiple_), 3, Qt::AlignLeft);
    const struct {
        const char* field;
        const char* label;
        const char* verdict;
    } rows[] = {
        {"Text27", "TT Topraklama Sistemi Kurulu İse", "Label58"},
        {"Text28", "TN Topraklama Sistemi Kurulu İse", "Label60"},
        {"Text29", "30 mA Kaçak Akım Rölesi Kullanılır İse", "Label61"},
        {"Text30", "300 mA Kaçak Akım Rölesi Kullanılır İse", "Label62"},
    };
    for (int i = 0; i < earthing::kLimits; ++i) {
        limits_[i] =
            addResistance(grid, QString::fromUtf8(rows[i].field), QString::fromUtf8(rows[i].label));
        verdicts_[i] = makeLabel(QString::fromUtf8(rows[i].verdict), QString());
        grid->addWidget(verdicts_[i], rowOf(grid, limits_[i]), 3);
    }
    fixColumnWidths(grid);
    // The verdicts' column keeps the width of the longer verdict, said or not.
    grid->setColumnMinimumWidth(3, fontMetrics().horizontalAdvance(qs(earthing::kUnsuitable)));

    computes_[0] = makeComputeButton(QStringLiteral("Command9"));
    connect(computes_[0], &QPushButton::clicked, this, &EarthingWindow::computeFoundation);
    return makePage(stacked(grid), std::nullopt, computes_[0]);
}

void EarthingWindow::computeFoundation() {
    earthing::FoundationResults shown{utf8(total_->text()), {}, {}};
    for (int i = 0; i < earthing::kLimits; ++i)
        shown.limits[i] = utf8(limits_[i]->text());
    const auto outcome = earthing::Compute(
        earthing::Foundation{utf8(resistivity_->text()), utf8(area_->text()),
                             utf8(stripLength_->text()), utf8(rodCount_->text()),
                             utf8(rodLength_->text()), utf8(ratedCurrent_->currentText()),
                             utf8(tripMultiple_->text())},
        shown);
    total_->setText(qs(outcome.texts.total));
    for (int i = 0; i < earthing::kLimits; ++i) {
        limits_[i]->setText(qs(outcome.texts.limits[i]));
        showVerdict(verdicts_[i], limits_[i], outcome.texts.verdicts[i]);
    }
    // The tab's own inputs, the shared resistivity first.
    MissingInputWarning(
        this, {resistivity_, area_, stripLength_, rodCount_, rodLength_, tripMultiple_}, outcome);
}

QWidget* EarthingWindow::buildRodsPage() {
    auto* grid = new FieldGrid;
    QLineEdit* diameter = grid->addInput(
        QStringLiteral("Text7"), QStringLiteral("Çubuk Çapını Giriniz"), QStringLiteral("cm"));
    QLineEdit* length =
        grid->addInput(QStringLiteral("Text8"), QStringLiteral("Çubuk Boyunu Giriniz"), kMetre);
    QLineEdit* count =
        grid->addInput(QStringLiteral("Text9"), QStringLiteral("Çubuk Sayısını Giriniz"), kPieces);
    QLineEdit* result = addResistance(grid, QStringLiteral("Text5"));
    computes_[1] = makeComputeButton(QStringLiteral("Command3"));
    onResistanceCompute(this, computes_[1], result, {resistivity_, diameter, length, count},
                        [=, this](std::string shown) {
                            return earthing::Compute(
                                earthing::Rods{utf8(resistivity_->text()), utf8(diameter->text()),
                                               utf8(length->text()), utf8(count->text())},
                                std::move(shown));
                        });
    return makePage(stacked(grid), EarthingDrawing::Rods, computes_[1],
                    QStringLiteral("(TSE 622)"));
}

QWidget* EarthingWindow::buildSectionPage() {
    auto* given = new QGroupBox(QStringLiteral("Kısa Devre Akımına Göre İletken Kesit Hesabı"));
    auto* grid = new FieldGrid(given);
    QLineEdit* current =
        grid->addInput(QStringLiteral("Text13"), QStringLiteral("Kısa Devre Akımını Giriniz"),
                       QStringLiteral("kA"));
    QLineEdit* time =
        grid->addInput(QStringLiteral("Text6"), QStringLiteral("Kısa Devre Süresini Giriniz"),
                       QStringLiteral("s"));
    grid->addWidget(new QLabel(QStringLiteral("Ek Yapım Tipine Göre İletken Kesit Hesapları :")),
                    grid->rowCount(), 0, 1, 3);
    const QString mm2 = QStringLiteral("mm²");
    QLineEdit* cadweld =
        grid->addResult(QStringLiteral("Text16"), QStringLiteral("Cadweld Tekniği"), mm2);
    QLineEdit* solder =
        grid->addResult(QStringLiteral("Text19"), QStringLiteral("Lehim,B.Kaynağı"), mm2);
    QLineEdit* bolted =
        grid->addResult(QStringLiteral("Text20"), QStringLiteral("Civatalı,Press"), mm2);
    computes_[2] = makeComputeButton(QStringLiteral("Command6"));
    connect(computes_[2], &QPushButton::clicked, this, [=, this] {
        const auto outcome = earthing::Compute(
            earthing::SectionInputs{utf8(current->text()), utf8(time->text())},
            earthing::Sections{utf8(cadweld->text()), utf8(solder->text()), utf8(bolted->text())});
        cadweld->setText(qs(outcome.texts.cadweld));
        solder->setText(qs(outcome.texts.solder));
        bolted->setText(qs(outcome.texts.bolted));
        MissingInputWarning(this, {time, current}, outcome);
    });
    auto* fields = new QVBoxLayout;
    fields->addWidget(given);
    fields->addStretch(1);
    return makePage(fields, EarthingDrawing::Joint, computes_[2]);
}

QWidget* EarthingWindow::buildPolygonPage() {
    auto* grid = new FieldGrid;
    QLineEdit* perimeter = grid->addInput(
        QStringLiteral("Text17"), QStringLiteral("Topraklama Alanı Çevresini Giriniz"), kMetre);
    QLineEdit* length = grid->addInput(
        QStringLiteral("Text18"), QStringLiteral("Toprağa Gömülü İletken Boyunu Giriniz"), kMetre);
    QLineEdit* result = addResistance(grid, QStringLiteral("Text15"));
    computes_[3] = makeComputeButton(QStringLiteral("Command5"));
    onResistanceCompute(this, computes_[3], result, {resistivity_, perimeter, length},
                        [=, this](std::string shown) {
                            return earthing::Compute(earthing::Polygon{utf8(resistivity_->text()),
                                                                       utf8(perimeter->text()),
                                                                       utf8(length->text())},
                                                     std::move(shown));
                        });
    return makePage(stacked(grid), EarthingDrawing::Polygon, computes_[3],
                    QStringLiteral("(TSE 622)"));
}

QWidget* EarthingWindow::buildBuriedPage() {
    auto* fields = new QVBoxLayout;
    auto* frames = new QHBoxLayout;
    conductor_ = new OptionGroup(QStringLiteral("İletken Cinsi"),
                                 {{QStringLiteral("Option1"), QStringLiteral("Şerit İletken")},
                                  {QStringLiteral("Option2"), QStringLiteral("Yuvarlak İletken")}});
    conductor_->setObjectName(QStringLiteral("Frame1"));
    diameter_ = new OptionGroup(
        QStringLiteral("İletkenin Kesiti"),
        {{QStringLiteral("Option3"), QStringLiteral("İletkenin Kesitini Seçeceğim")},
         {QStringLiteral("Option4"), QStringLiteral("İletkenin Çapını Ben Gireceğim")}});
    diameter_->setObjectName(QStringLiteral("Frame2"));
    frames->addWidget(conductor_);
    frames->addWidget(diameter_);
    fields->addLayout(frames);

    buriedGrid_ = new FieldGrid;
    QLineEdit* length = buriedGrid_->addInput(
        QStringLiteral("Text1"), QStringLiteral("Gömülü İletken Boyunu Giriniz"), kMetre);
    QLineEdit* depth = buriedGrid_->addInput(QStringLiteral("Text2"),
                                             QStringLiteral("İletken Derinliğini Giriniz"), kMetre);
    QStringList sizes;
    for (const earthing::ConductorSize& size : earthing::ConductorSizes())
        sizes << qs(size.text);
    size_ = buriedGrid_->addList(QStringLiteral("Combo1"),
                                 QStringLiteral("İletken Kesitini Seçiniz"), sizes, 0);
    const QString enteredLabel = QStringLiteral("İletken Çapını Giriniz");
    enteredDiameter_ = makeInput(QStringLiteral("Text32"), enteredLabel, enteredLabel);
    QLabel* caption = makeLabel(QStringLiteral("Label69"), enteredLabel);
    QLabel* unit = makeLabel(QStringLiteral("Label70"), QStringLiteral("cm"));
    buriedGrid_->addRow(caption, enteredDiameter_, unit);
    QPushButton* note = makeNote(this, QStringLiteral("Command11"), earthing::kDiameterNote);
    const int enteredRow = rowOf(buriedGrid_, enteredDiameter_);
    buriedGrid_->addWidget(note, enteredRow, 3, Qt::AlignLeft);
    auto* picture = new EarthingPicture(EarthingDrawing::Diameter);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setToolTip(qs(earthing::kDiameterNote));
    buriedGrid_->addWidget(picture, enteredRow + 1, 1, 1, 3, Qt::AlignLeft);
    enteredControls_ = {caption, enteredDiameter_, unit, picture, note};
    QLineEdit* result = addResistance(buriedGrid_, QStringLiteral("Text4"));
    fields->addLayout(buriedGrid_);
    fields->addStretch(1);

    computes_[4] = makeComputeButton(QStringLiteral("Command1"));
    onResistanceCompute(
        this, computes_[4], result, {length, depth, resistivity_, enteredDiameter_},
        [=, this](std::string shown) {
            return earthing::Compute(
                earthing::BuriedConductor{utf8(resistivity_->text()), utf8(length->text()),
                                          utf8(depth->text()),
                                          conductor_->chosen() == 0 ? earthing::Conductor::Strip
                                                                    : earthing::Conductor::Round,
                                          diameter_->chosen() == 0 ? earthing::Diameter::FromList
                                                                   : earthing::Diameter::Entered,
                                          size_->currentIndex(), utf8(enteredDiameter_->text())},
                std::move(shown));
        });
    connect(diameter_, &OptionGroup::chosenChanged, this, &EarthingWindow::showDiameterChoice);
    showDiameterChoice();
    return makePage(fields, EarthingDrawing::Buried, computes_[4]);
}

void EarthingWindow::showDiameterChoice() {
    const bool entered = diameter_->chosen() == 1;
    buriedGrid_->setRowVisible(size_, !entered);
    for (QWidget* control : std::as_const(enteredControls_))
        control->setVisible(entered);
}

QWidget* EarthingWindow::buildMeshPage() {
    auto* grid = new FieldGrid;
    QLineEdit* width =
        grid->addInput(QStringLiteral("Text11"), QStringLiteral("En Giriniz"), kMetre);
    QLineEdit* length =
        grid->addInput(QStringLiteral("Text12"), QStringLiteral("Boy Giriniz"), kMetre);
    QLineEdit* total = grid->addInput(QStringLiteral("Text10"),
                                      QStringLiteral("Toplam İletken Boyunu Giriniz"), kMetre);
    QLineEdit* result = addResistance(grid, QStringLiteral("Text14"));
    computes_[5] = makeComputeButton(QStringLiteral("Command4"));
    onResistanceCompute(this, computes_[5], result, {resistivity_, total, width, length},
                        [=, this](std::string shown) {
                            return earthing::Compute(
                                earthing::Mesh{utf8(resistivity_->text()), utf8(width->text()),
                                               utf8(length->text()), utf8(total->text())},
                                std::move(shown));
                        });
    return makePage(stacked(grid), EarthingDrawing::Mesh, computes_[5],
                    QStringLiteral(" (Laurent , Niemann)"));
}

void EarthingWindow::clear() {
    // Every text field of the window; then the soil, the strip, the first section and the
    // verdicts as at opening. The trip multiple stays empty, the rated current and the diameter
    // choice as they were.
    for (QLineEdit* field : findChildren<QLineEdit*>())
        field->clear();
    resistivity_->setText(qs(earthing::kDefaultResistivity));
    conductor_->choose(0);
    size_->setCurrentIndex(0);
    for (int i = 0; i < earthing::kLimits; ++i) {
        verdicts_[i]->clear();
        setMeaningColour(limits_[i], std::nullopt);
    }
}

} // namespace voltaris::gui
