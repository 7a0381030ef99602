#include "gui/mediumvoltage/transformer_window.h"

#include "gui/fields.h"
#include "gui/key_filters.h"
#include "gui/messages.h"
#include "gui/options.h"
#include "gui/text.h"
#include "gui/window_registry.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

using transformer::Results;

// The results window's rows, Text1 to Text24: the result each shows, its label and unit.
struct ResultRow {
    std::string Results::*text;
    const char* label;
    const char* unit;
};
// clang-format off
constexpr std::array<ResultRow, 24> kResultRows = {{
    {&Results::primaryVoltage, "Verilen Primer Gerilimi", "V"},
    {&Results::primaryPower, "Hesaplanan Primer Güç Değeri", "W"},
    {&Results::secondaryVoltage, "Verilen Sekonder Gerilimi", "V"},
    {&Results::secondaryPower, "Verilen-Sekonderde Olması İstenen Güç", "W"},
    {&Results::primaryCurrent, "Primer Akımı ", "A"},
    {&Results::secondaryCurrent, "Sekonder Akımı", "A"},
    {&Results::primaryTurns, "Primer Sargı Sarım Sayısı", "Sipir"},
    {&Results::secondaryTurns, "Sekonder Sargı Sarım Sayısı", "Sipir"},
    {&Results::primaryDiameter, "Primer İletken Çapı", "mm"},
    {&Results::secondaryDiameter, "Sekonder İletken Çapı", "mm"},
    {&Results::primaryPerLayer, "Bir Kattaki Primer Sarım Sayısı", "Sipir"},
    {&Results::primaryLayers, "Primer Sargısının Kat Sayısı", ""},
    {&Results::secondaryPerLayer, "Bir Kattaki Sekonder Sarım Sayısı", "Sipir"},
    {&Results::secondaryLayers, "Sekonder Sargısının Kat sayısı", ""},
    {&Results::primaryHeight, "Primer Sargı Yüksekliği", "mm"},
    {&Results::secondaryHeight, "Sekonder Sargı Yüksekliği", "mm"},
    {&Results::centreLimb, "Verilen Nüve Orta Alan \"a\" Uzunluğu", "cm"},
    {&Results::stackDepth, "Orta Ayak b Uzunluğu", "mm"},
    {&Results::coreSection, "Nüve Kesit Alanı", "cm²"},
    {&Results::laminations, "0,5mm Kalınlığındaki Sac'lardan Kullanılacak Sac Miktarı", "Adet"},
    {&Results::sheetWidth, "Sac'ın Genişliği", "mm"},
    {&Results::windowHeight, "Pencere Yüksekliği", "mm"},
    {&Results::windowWidth, "Bir Pencerenin Genişliği", "mm"},
    {&Results::bobbinHeight, "Makaranın İçten İçe Yüksekliği", "mm"},
}};
// clang-format on
// The first row of the bobbin frame "Makara Hesaplamaları", and where the second column starts.
constexpr std::size_t kBobbinRows = 20;
constexpr std::size_t kSecondColumn = 10;

} // namespace

TransformerResultsWindow::TransformerResultsWindow()
    : ToolWindow(kForm, QStringLiteral("TRANSFORMATÖR HESABI-SONUÇLAR")) {
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    auto* left = new FieldGrid;
    auto* right = new FieldGrid;
    auto* bobbin = new FieldGrid;
    for (std::size_t i = 0; i < kResultRows.size(); ++i) {
        FieldGrid* grid = i >= kBobbinRows ? bobbin : i >= kSecondColumn ? right : left;
        fields_[i] = grid->addResult(QStringLiteral("Text%1").arg(i + 1),
                                     QString::fromUtf8(kResultRows[i].label),
                                     QString::fromUtf8(kResultRows[i].unit));
        fitGeneralNumbers(fields_[i]);
    }
    columns->addLayout(left);
    columns->addSpacing(16);
    columns->addLayout(right);
    layout->addLayout(columns);
    auto* lower = new QHBoxLayout;
    lower->addWidget(makeFrame(QStringLiteral("Makara Hesaplamaları"), bobbin));
    lower->addStretch(1);
    layout->addLayout(lower);
    layout->addStretch(1);

    auto* clearButton = makeButton(QStringLiteral("Command2"), QStringLiteral("Temizle"),
                                   QStringLiteral("Sonuç'lar Bölümünün Hesabını Siler"));
    QPushButton* close = makeCompanionCloseButton(QStringLiteral("Command1"),
                                                  QStringLiteral("Sonuç'lar Bölümünü Kapatır"));
    layout->addLayout(makeButtonRow({clearButton}, {close}));
    connect(clearButton, &QPushButton::clicked, this, [this] {
        for (QLineEdit* field : fields_)
            field->clear();
    });
}

Results TransformerResultsWindow::texts() const {
    Results results;
    for (std::size_t i = 0; i < kResultRows.size(); ++i)
        results.*kResultRows[i].text = utf8(fields_[i]->text());
    return results;
}

void TransformerResultsWindow::write(const Results& results) {
    for (std::size_t i = 0; i < kResultRows.size(); ++i)
        fields_[i]->setText(qs(results.*kResultRows[i].text));
}

TransformerWindow::TransformerWindow()
    : ToolWindow(kForm, QStringLiteral("TRANSFORMATÖR HESABI-DEĞERLERİ GİRİNİZ")) {
    auto* layout = new QVBoxLayout(this);
    auto* menuBar = new QMenuBar(this); // items only: the openings table connects them
    addMenuItems(
        menuBar->addMenu(QStringLiteral("Elektrik ve Elektronik Kavramlar Arası Dönüşümü Aç")),
        {{"mn_gerilim", "Gerilim As ve Üs Katları Arası Dönüşümü Aç"},
         {"mn_güc", "Güç As ve Üs Katları Arası Dönüşümü Aç"}});
    addMenuItems(menuBar->addMenu(QStringLiteral("Birim'ler Arası Çeviriyi Aç")),
                 {{"mn_uzunluk", "Uzunluk Ölçümleri Çevirisini Aç"},
                  {"mn_Akı", "Manyetik Akı Yoğunluğu Birimleri Arasında Dönüşümü Aç"}});
    layout->setMenuBar(menuBar);

    fluxChoice_ = new OptionGroup(
        QStringLiteral("Manyetik Akı Yoğunluğu"),
        {{QStringLiteral("Option1"),
          QStringLiteral("Kullandığım Sac'ın Manyetik Akı Yoğunluğunu(B) Bilmiyorum")},
         {QStringLiteral("Option2"),
          QStringLiteral("Kullandığım Sac'ın Manyetik Akı Yoğunluğunu(B) Biliyorum")}});
    qualityChoice_ = new OptionGroup(
        QStringLiteral("Sac'ın Kalite Kat Sayısı"),
        {{QStringLiteral("Option3"), QStringLiteral("Sac'ın Kalite Kat Saysını(c) Bilmiyorum")},
         {QStringLiteral("Option4"), QStringLiteral("Sac'ın Kalite Kat Saysını(c) Biliyorum")}});
    auto* options = new QHBoxLayout;
    options->addWidget(fluxChoice_);
    options->addWidget(qualityChoice_);
    layout->addLayout(options);

    auto* grid = new FieldGrid;
    power_ = grid->addInput(QStringLiteral("Text1"),
                            QStringLiteral("Sekonder'de Olması İstenen Güç'ü Giriniz"),
                            QStringLiteral("W"));
    primaryVoltage_ = grid->addInput(
        QStringLiteral("Text2"), QStringLiteral("Primer Gerilimini Giriniz"), QStringLiteral("V"));
    secondaryVoltage_ =
        grid->addInput(QStringLiteral("Text3"),
                       QStringLiteral("Sekonderden İstenen Gerilimi Giriniz"), QStringLiteral("V"));
    fluxDensity_ = grid->addInput(QStringLiteral("Text4"),
                                  QStringLiteral("Sac'ın Manyetik Akı Yoğunluğunu Giriniz"),
                                  QStringLiteral("Gauss"));
    frequency_ =
        grid->addInput(QStringLiteral("Text5"),
                       QStringLiteral("Şebeke(Çalışma) Frekansını Giriniz"), QStringLiteral("Hz"));
    // The efficiency is a whole percentage: its field takes digits only.
    const QString efficiencyLabel =
        QStringLiteral("Transformatörden İstenen Verimi Tam Sayı Değeri Olarak Giriniz(%) ");
    efficiency_ = new QLineEdit;
    efficiency_->setObjectName(QStringLiteral("Text6"));
    efficiency_->setAccessibleName(efficiencyLabel);
    efficiency_->setToolTip(efficiencyLabel);
    efficiency_->setAlignment(Qt::AlignRight);
    attachDigitKeyFilter(efficiency_);
    grid->addRow(efficiencyLabel, efficiency_, makeUnitLabel(QStringLiteral("%")));
    quality_ = grid->addInput(QStringLiteral("Text7"),
                              QStringLiteral("Sac'ın Kalite Kat Sayısnı Giriniz"));
    currentDensity_ = grid->addInput(
        QStringLiteral("Text8"),
        QStringLiteral("Bobinden Geçmesi İstenen Akım Yoğunluğunu(J) Değerini Giriniz "),
        QStringLiteral("A/mm²"));
    centreLimb_ = grid->addInput(QStringLiteral("Text10"),
                                 QStringLiteral("Nüve Orta Alan \"a\" Uzunluğunu Giriniz"),
                                 QStringLiteral("cm"));
    layout->addLayout(grid);
    layout->addStretch(1);

    auto* compute = makeButton(QStringLiteral("Command1"), QStringLiteral("HESAPLA"));
    auto* clearButton = makeButton(QStringLiteral("Command4"), QStringLiteral("Temizle"),
                                   QStringLiteral("Girilen Değerleri Siler"));
    auto* density =
        makeButton(QStringLiteral("Command3"), QStringLiteral("Akım Yoğunluğu Bölümünü Aç"));
    layout->addLayout(makeButtonRow({compute, clearButton, density},
                                    {makeReturnButton(QStringLiteral("Command2"))}));

    connect(fluxChoice_, &OptionGroup::chosenChanged, this, [this](int index) {
        if (index == 0) {
            fluxDensity_->setText(qs(transformer::kDefaultFluxDensity));
            frequency_->setText(qs(transformer::kDefaultFrequency));
        }
    });
    connect(qualityChoice_, &OptionGroup::chosenChanged, this, [this](int index) {
        if (index == 0)
            quality_->setText(qs(transformer::kDefaultQuality));
    });
    connect(compute, &QPushButton::clicked, this, &TransformerWindow::compute);
    connect(clearButton, &QPushButton::clicked, this, &TransformerWindow::clear);
    chooseDefaults();
    power_->setFocus();
}

void TransformerWindow::chooseDefaults() {
    // Choosing an option that is already chosen refills its values all the same.
    fluxChoice_->choose(0);
    qualityChoice_->choose(0);
    fluxDensity_->setText(qs(transformer::kDefaultFluxDensity));
    frequency_->setText(qs(transformer::kDefaultFrequency));
    quality_->setText(qs(transformer::kDefaultQuality));
    centreLimb_->setText(qs(transformer::kDefaultCentreLimb));
}

void TransformerWindow::compute() {
    // The results window is created by the first compute and shown only by one that finished.
    auto* results = static_cast<TransformerResultsWindow*>(
        WindowRegistry::instance().window(forms::kTransformerResults));
    const Outcome<Results> outcome = transformer::Compute(
        {utf8(power_->text()), utf8(primaryVoltage_->text()), utf8(secondaryVoltage_->text()),
         utf8(fluxDensity_->text()), utf8(frequency_->text()), utf8(efficiency_->text()),
         utf8(quality_->text()), utf8(currentDensity_->text()), utf8(centreLimb_->text())},
        results->texts());
    results->write(outcome.texts);
    const QList<QLineEdit*> tested = {power_,       primaryVoltage_, secondaryVoltage_,
                                      fluxDensity_, frequency_,      efficiency_,
                                      quality_,     currentDensity_, centreLimb_};
    if (MissingInputWarning(this, tested, outcome)) {
        results->openAsCompanion(this);
        results->show();
        results->raise();
    }
}

void TransformerWindow::clear() {
    for (QLineEdit* field : {power_, primaryVoltage_, secondaryVoltage_, fluxDensity_, frequency_,
                             efficiency_, quality_, currentDensity_, centreLimb_})
        field->clear();
    chooseDefaults();
}

} // namespace voltaris::gui
