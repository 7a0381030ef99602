#include "gui/lowvoltage/busbar_window.h"

#include "gui/fields.h"
#include "gui/messages.h"
#include "gui/options.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

using busbar::Conversion;
using busbar::Metal;

// "III" and "IIII", which a size rated for one and two bars only disables.
const QStringList kManyBars = {QStringLiteral("Option7"), QStringLiteral("Option8")};

} // namespace

BusbarWindow::BusbarWindow() : ToolWindow(kForm, QStringLiteral("Bara Hesaplama")) {
    auto* layout = new QVBoxLayout(this);
    auto* menuBar = new QMenuBar(this);
    buildMenus(menuBar);
    layout->setMenuBar(menuBar);

    metals_ = new OptionGroup(QStringLiteral("Bara Metal Cinsi"),
                              {{QStringLiteral("Option1"), QStringLiteral("Bakır Bara")},
                               {QStringLiteral("Option2"), QStringLiteral("Alüminyum Bara")}});
    finishes_ = new OptionGroup(QStringLiteral("Bara Özelliği"),
                                {{QStringLiteral("Option3"), QStringLiteral("Boyalı Bara")},
                                 {QStringLiteral("Option4"), QStringLiteral("Çıplak Bara")}});
    barCounts_ = new OptionGroup(QStringLiteral("Bara Adedi"),
                                 {{QStringLiteral("Option5"), QStringLiteral("I")},
                                  {QStringLiteral("Option6"), QStringLiteral("II")},
                                  {QStringLiteral("Option7"), QStringLiteral("III")},
                                  {QStringLiteral("Option8"), QStringLiteral("IIII")}},
                                 0, 2);
    auto* choices = new QHBoxLayout;
    for (OptionGroup* group : {metals_, finishes_, barCounts_})
        choices->addWidget(group);
    layout->addLayout(choices);

    auto* grid = new FieldGrid;
    sizes_ = new QComboBox;
    sizes_->setObjectName(QStringLiteral("Combo1"));
    sizes_->setAccessibleName(QStringLiteral("Bara Boyutunu Seçiniz"));
    grid->addRow(QStringLiteral("Bara Boyutunu Seçiniz"), sizes_,
                 makeUnitLabel(QStringLiteral("mm")));
    length_ = grid->addInput(QStringLiteral("Text4"), QStringLiteral("Bara Uzunluğunu Giriniz"),
                             QStringLiteral("m"));
    price_ = grid->addInput(QStringLiteral("Text6"), QStringLiteral("Bakır kg Fiyatı"),
                            QStringLiteral("TL"));
    section_ = grid->addResult(QStringLiteral("Text1"), QStringLiteral("Baranın Kesiti"),
                               QStringLiteral("mm²"));
    weight_ = grid->addResult(QStringLiteral("Text2"), QStringLiteral("1Metrelik Baranın Ağırlığı"),
                              QStringLiteral("kg / m"));
    rating_ = grid->addResult(QStringLiteral("Text3"), QStringLiteral("Devamlı Yüklenme Akımı"),
                              QStringLiteral("A"));
    barWeight_ = grid->addResult(QStringLiteral("Text5"),
                                 QStringLiteral("1 Adet Bara Uzunluğuna Göre Toplam Ağırlık"),
                                 QStringLiteral("kg"));
    barCost_ =
        grid->addResult(QStringLiteral("Text7"), QStringLiteral("1 Adet Baranın Toplam Maliyeti"),
                        QStringLiteral("TL"));
    totalWeight_ = grid->addResult(QStringLiteral("Text8"),
                                   QStringLiteral("Seçilen Adet Kadar Baranın Toplam Ağırlığı"),
                                   QStringLiteral("kg"));
    totalCost_ = grid->addResult(QStringLiteral("Text9"),
                                 QStringLiteral("Seçilen Adet Kadar Baranın Toplam Maliyeti"),
                                 QStringLiteral("TL"));
    resistance_ =
        makeResult(QStringLiteral("Text10"), QStringLiteral("1 Adet Bakır Baranın Direnci"));
    fitGeneralNumbers(resistance_);
    grid->addRow(QStringLiteral("1 Adet Bakır Baranın Direnci"), resistance_, makeOhmUnit());
    layout->addLayout(grid);
    layout->addStretch(1);

    auto* compute = makeComputeButton(QStringLiteral("Command1"));
    auto* clearButton = makeClearButton(QStringLiteral("Command2"));
    auto* note = makeButton(QStringLiteral("Command4"), QStringLiteral("Not"));
    layout->addLayout(makeButtonRow({compute, clearButton, note},
                                    {makeReturnButton(QStringLiteral("Command3"))}));

    connect(metals_, &OptionGroup::chosenChanged, this, &BusbarWindow::fillSizes);
    connect(compute, &QPushButton::clicked, this, &BusbarWindow::compute);
    connect(clearButton, &QPushButton::clicked, this, &BusbarWindow::clear);
    connect(note, &QPushButton::clicked, this,
            [this] { ShowMessage(this, busbar::NoteMessage()); });

    // Opening: copper's sizes with none chosen, a length and a price of 1.
    fillSizes();
    length_->setText(qs(busbar::kDefaultLength));
    price_->setText(qs(busbar::kDefaultPrice));
    sizes_->setFocus();
}

void BusbarWindow::buildMenus(QMenuBar* menuBar) {
    // The companion items are connected by the openings table.
    addMenuItem(menuBar->addMenu(QStringLiteral("Elektrik ve Elektronik Kavramlar Arası Dönüşümü "
                                                "Aç")),
                QStringLiteral("mn_akım"),
                QStringLiteral("Akım As ve Üs Katları Arası Dönüşümü Aç"));
    addMenuItems(menuBar->addMenu(QStringLiteral("Birimler Arası Çevirimi Aç")),
                 {{"mn_uzunluk", "Uzunluk Ölçümleri Çevirisini Aç"},
                  {"mn_alan", "Alan Ölçümleri Çevirisini Aç"},
                  {"mn_agırlık", "Ağırlık Ölçümleri Çevirisini Aç"}});

    QMenu* extras = menuBar->addMenu(QStringLiteral("Ek Hesaplamalar"));
    QMenu* weights = extras->addMenu(QStringLiteral("Ağırlık Hesaplama"));
    const auto addWeight = [this, weights](const char* name, const char* caption, Metal metal) {
        addPromptItem(
            this, weights, QString::fromUtf8(name), QString::fromUtf8(caption), [this, metal] {
                const double section = PromptNumber(this, qs(busbar::SectionPrompt(metal)));
                const double length = PromptNumber(this, qs(busbar::LengthPrompt(metal)));
                ShowResultBox(this, qs(busbar::WeightMessage(metal, section, length)));
            });
    };
    addWeight("mn_bakıragırlık", "Bakırın Ağırlığını Hesaplama", Metal::Copper);
    addWeight("mn_alüminyumagırlık", "Alüminyumun Ağırlığını Hesaplama", Metal::Aluminium);

    QMenu* copperAluminium = extras->addMenu(QStringLiteral("Bakır Alüminyum Dönüşümleri"));
    const auto addConversion = [this](QMenu* menu, const char* name, const char* caption,
                                      Conversion conversion) {
        addPromptItem(
            this, menu, QString::fromUtf8(name), QString::fromUtf8(caption), [this, conversion] {
                const double value = PromptNumber(this, qs(busbar::ConversionPrompt(conversion)));
                ShowResultBox(this, qs(busbar::ConversionMessage(conversion, value)));
            });
    };
    QMenu* diameters = copperAluminium->addMenu(QStringLiteral("Çap Dönüşümleri"));
    addConversion(diameters, "mn_CAPBA", "Bakır Çapının Alüminyum Karşılığı",
                  Conversion::CopperToAluminiumDiameter);
    addConversion(diameters, "mn_CAPAB", "Alüminyum Çapının Bakır Karşılığı",
                  Conversion::AluminiumToCopperDiameter);
    QMenu* masses = copperAluminium->addMenu(QStringLiteral("Ağırlık Dönüşümleri"));
    addConversion(masses, "mn_agırlıkBA", "Bakır Ağırlığının Alüminyum Karşılığı",
                  Conversion::CopperToAluminiumWeight);
    addConversion(masses, "mn_agırlıkAB", "Alüminyum Ağırlığının Bakır Karşılığı",
                  Conversion::AluminiumToCopperWeight);
    addMenuItem(extras, QStringLiteral("mn_DirSıcak"),
                QStringLiteral("İletkenlerin Direnç Değerlerinin Sıcaklıkla Değişimi Bölümünü "
                               "Aç"));
}

Metal BusbarWindow::metal() const {
    return metals_->chosen() == 0 ? Metal::Copper : Metal::Aluminium;
}

void BusbarWindow::fillSizes() {
    sizes_->clear();
    for (const busbar::Size& size : busbar::Sizes(metal()))
        sizes_->addItem(qs(size.text));
    sizes_->setCurrentIndex(-1);
}

void BusbarWindow::compute() {
    auto* three = findChild<QRadioButton*>(kManyBars[0]);
    busbar::Fields fields{
        utf8(section_->text()),    utf8(weight_->text()),      utf8(rating_->text()),
        utf8(length_->text()),     utf8(barWeight_->text()),   utf8(price_->text()),
        utf8(barCost_->text()),    utf8(totalWeight_->text()), utf8(totalCost_->text()),
        utf8(resistance_->text()), barCounts_->chosen() + 1,   three->isEnabled()};
    const busbar::Finish finish =
        finishes_->chosen() == 0 ? busbar::Finish::Painted : busbar::Finish::Bare;
    const Outcome<busbar::Fields> outcome =
        busbar::Compute(metal(), finish, sizes_->currentIndex(), std::move(fields));
    const busbar::Fields& f = outcome.texts;
    section_->setText(qs(f.section));
    weight_->setText(qs(f.weight));
    if (barCounts_->chosen() != f.bars - 1)
        barCounts_->choose(f.bars - 1);
    for (const QString& name : kManyBars)
        findChild<QRadioButton*>(name)->setEnabled(f.manyBarsEnabled);
    rating_->setText(qs(f.rating));
    barWeight_->setText(qs(f.barWeight));
    barCost_->setText(qs(f.barCost));
    totalWeight_->setText(qs(f.totalWeight));
    totalCost_->setText(qs(f.totalCost));
    resistance_->setText(qs(f.resistance));
    MissingInputWarning(this, {length_, price_}, outcome, qs(warnings::kEnterValuesAndBusbar));
}

void BusbarWindow::clear() {
    // The choices, the list and the bar options stay as they are.
    for (QLineEdit* field :
         {section_, weight_, rating_, barWeight_, barCost_, totalWeight_, totalCost_, resistance_})
        field->clear();
    length_->setText(qs(busbar::kDefaultLength));
    price_->setText(qs(busbar::kDefaultPrice));
}

} // namespace voltaris::gui
