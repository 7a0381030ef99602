#include "gui/codes/capacitor_colour_window.h"

#include "gui/codes/code_widgets.h"
#include "gui/dialogs.h"
#include "gui/fields.h"
#include "gui/live.h"
#include "gui/options.h"
#include "gui/pictures.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

using codes::CapacitorBandCount;
using codes::CapacitorKind;

Component pictureOf(CapacitorKind kind) {
    switch (kind) {
    case CapacitorKind::Polyester:
        return Component::FilmCapacitor;
    case CapacitorKind::Ceramic:
    case CapacitorKind::DiscCeramic:
        return Component::CeramicCapacitor;
    case CapacitorKind::Tantalum:
        break;
    }
    return Component::TantalumCapacitor;
}

// The band letter of each list's caption: the tantalum lists stand in for the multiplier and the
// voltage lists.
constexpr char kBandLetters[] = {'A', 'B', 'C', 'D', 'E', 'F', 'C', 'E'};

} // namespace

CapacitorColourWindow::CapacitorColourWindow()
    : ToolWindow(kForm, qs(codes::kCapacitorColourWindowTitle)) {
    auto* layout = new QVBoxLayout(this);

    auto* groups = new QHBoxLayout;
    // In the order of the kinds.
    auto* kindGroup =
        new OptionGroup(QStringLiteral("Kondansatör Tipini Seçiniz"),
                        {{QStringLiteral("Option1"), QStringLiteral("Polyester Kondansatör")},
                         {QStringLiteral("Option2"), QStringLiteral("Seramik Kondansatör")},
                         {QStringLiteral("Option5"), QStringLiteral("Disk-Seramik Kondansatör")},
                         {QStringLiteral("Option6"), QStringLiteral("Tantalyum Kondansatör")}});
    groups->addWidget(kindGroup, 0, Qt::AlignTop);
    bandGroup_ = new OptionGroup(QStringLiteral("Kondansatör Renk Bandı Sayısını Seçiniz "),
                                 {{QStringLiteral("Option3"), QStringLiteral("4 Band Renk Kodu")},
                                  {QStringLiteral("Option4"), QStringLiteral("5 Band Renk Kodu")}});
    fourBands_ = bandGroup_->findChild<QRadioButton*>(QStringLiteral("Option3"));
    fiveBands_ = bandGroup_->findChild<QRadioButton*>(QStringLiteral("Option4"));
    groups->addWidget(bandGroup_, 0, Qt::AlignTop);
    groups->addStretch(1);
    layout->addLayout(groups);

    // A tantalum list takes the row of the list it stands in for: one of the two is shown.
    auto* choices = new FieldGrid;
    std::array<QHBoxLayout*, 6> rows{};
    for (int n = 1; n <= codes::kCapacitorColourListCount; ++n) {
        const QString caption =
            QStringLiteral("(%1) Renk Kodunu Seçiniz").arg(QChar(kBandLetters[n - 1]));
        auto* list = new QComboBox;
        list->setObjectName(QStringLiteral("Combo%1").arg(n));
        list->setAccessibleName(caption);
        list->addItems(toEntries(codes::CapacitorColourListEntries(n)));
        lists_[static_cast<std::size_t>(n - 1)] = list;
        const std::size_t row = static_cast<std::size_t>(kBandLetters[n - 1] - 'A');
        if (!rows[row]) {
            auto* cell = new QWidget;
            rows[row] = new QHBoxLayout(cell);
            rows[row]->setContentsMargins(0, 0, 0, 0);
            choices->addRow(caption, cell);
        }
        rows[row]->addWidget(list);
    }
    layout->addLayout(choices);

    picture_ = makePicture(Component::FilmCapacitor, 4, QStringLiteral("Kondansatör"), 9);
    for (int i = 0; i < 5; ++i) {
        auto* swatch = new Swatch(QStringLiteral("Shape%1").arg(i + 1));
        swatch->setAccessibleName(QStringLiteral("Renk Bandı %1").arg(i + 1));
        picture_->placeOnBand(i, swatch);
        swatches_[static_cast<std::size_t>(i)] = swatch;
    }
    layout->addWidget(picture_, 1);

    auto* results = new FieldGrid;
    const QList<QLineEdit*> values =
        addValueRows(results, 1, QStringLiteral("Kondansatörün Değeri"),
                     {{QStringLiteral("pF"), QStringLiteral("PikoFarad")},
                      {QStringLiteral("nF"), QStringLiteral("NanoFarad")},
                      {QStringLiteral("µF"), QStringLiteral("MikroFarad")},
                      {QStringLiteral("F"), QStringLiteral("Farad")}});
    for (int n = 1; n <= 4; ++n)
        text_[static_cast<std::size_t>(n)] = values[n - 1];
    text_[5] = results->addResult(QStringLiteral("Text5"),
                                  QStringLiteral("Kondansatörün Maksimum Çalışma Gerilimi"),
                                  QStringLiteral("V"));
    text_[6] = results->addResult(QStringLiteral("Text6"),
                                  QStringLiteral("Kondansatörün Sıcaklık Katsayısı"));
    text_[7] = results->addResult(QStringLiteral("Text7"),
                                  QStringLiteral("Kondansatörün Tolerans Değeri"));
    layout->addLayout(results);

    toleranceCommand_ = makeButton(QStringLiteral("Command4"),
                                   QStringLiteral("Toleranslı Değerleri Görmek İstiyorum"));
    temperatureCommand_ = makeButton(
        QStringLiteral("Command5"),
        QStringLiteral("Sıcaklığa Bağlı Olarak Kondansatör Değerlerini Hesaplamak İstiyorum "));
    layout->addLayout(makeButtonRow({toleranceCommand_, temperatureCommand_}, {}));

    addCommandButtons(
        this, layout, QStringLiteral("Command3"), QStringLiteral("Command2"), [this] { compute(); },
        [this] { clear(); });

    connect(kindGroup, &OptionGroup::chosenChanged, this,
            [this](int index) { chooseKind(static_cast<CapacitorKind>(index)); });
    connect(bandGroup_, &OptionGroup::chosenChanged, this,
            [this](int index) { chooseBands(static_cast<CapacitorBandCount>(index)); });
    connect(toleranceCommand_, &QPushButton::clicked, this, [this] {
        ShowMessage(this, codes::CapacitorColourToleranceMessage(utf8(text_[1]->text()),
                                                                 lists_[3]->currentIndex(),
                                                                 utf8(text_[7]->text())));
    });
    connect(temperatureCommand_, &QPushButton::clicked, this,
            &CapacitorColourWindow::capacitanceAtTemperature);

    // The opening choices: polyester, 4 bands.
    chooseKind(CapacitorKind::Polyester);
    chooseBands(CapacitorBandCount::Four);
    // The band-count rules also hold on the window's periodic timer (a text typed into a field of
    // a band the capacitor lacks goes again).
    new WindowTimer(this, QStringLiteral("Timer1"), [this] { applyBandCountRules(); });
    lists_[0]->setFocus();
}

std::vector<int> CapacitorColourWindow::chosenEntries() const {
    std::vector<int> chosen;
    for (const QComboBox* list : lists_)
        chosen.push_back(list->currentIndex());
    return chosen;
}

void CapacitorColourWindow::chooseKind(CapacitorKind kind) {
    kind_ = kind;
    apply(codes::ChooseCapacitorKind(kind));
    applyBandCountRules();
    showPicture();
}

void CapacitorColourWindow::chooseBands(CapacitorBandCount bands) {
    bands_ = bands;
    applyBandCountRules();
    showPicture();
}

void CapacitorColourWindow::applyBandCountRules() {
    apply(codes::CapacitorBandCountRules(kind_, bands_));
}

void CapacitorColourWindow::apply(const codes::CapacitorColourControls& controls) {
    const auto set = [](QWidget* control, const std::optional<bool>& state, auto setter) {
        if (state)
            (control->*setter)(*state);
    };
    set(lists_[2], controls.combo3Visible, &QWidget::setVisible);
    set(lists_[4], controls.combo5Visible, &QWidget::setVisible);
    set(lists_[6], controls.combo7Visible, &QWidget::setVisible);
    set(lists_[7], controls.combo8Visible, &QWidget::setVisible);
    set(lists_[3], controls.combo4Enabled, &QWidget::setEnabled);
    set(lists_[4], controls.combo5Enabled, &QWidget::setEnabled);
    set(lists_[5], controls.combo6Enabled, &QWidget::setEnabled);
    set(toleranceCommand_, controls.command4Enabled, &QWidget::setEnabled);
    set(temperatureCommand_, controls.command5Enabled, &QWidget::setEnabled);
    set(fourBands_, controls.fourBandsEnabled, &QWidget::setEnabled);
    set(fiveBands_, controls.fiveBandsEnabled, &QWidget::setEnabled);
    if (controls.chooseBands)
        bandGroup_->choose(static_cast<int>(*controls.chooseBands));
    if (controls.emptyVoltage)
        writeResult(text_[5], QString());
    if (controls.emptyCoefficient)
        writeResult(text_[6], QString());
}

// The picture of the chosen kind with as many bands as it reads; its swatches show the bands of
// a reading, so they are hidden until the next "Hesapla".
void CapacitorColourWindow::showPicture() {
    picture_->setKind(pictureOf(kind_));
    picture_->setBandCount(static_cast<int>(codes::CapacitorPictureLists(kind_, bands_).size()));
    for (Swatch* swatch : swatches_)
        swatch->hide();
}

void CapacitorColourWindow::compute() {
    const std::vector<int> chosen = chosenEntries();
    const codes::CapacitorColourResult result = codes::ReadCapacitorColours(kind_, chosen);
    if (result.warning) {
        ShowMessage(this, *result.warning);
        return;
    }
    const std::string* texts[] = {&result.picoFarad,  &result.nanoFarad,
                                  &result.microFarad, &result.farad,
                                  &result.voltage,    &result.temperatureCoefficient,
                                  &result.tolerance};
    for (int n = 1; n <= 7; ++n)
        text_[static_cast<std::size_t>(n)]->setText(qs(*texts[n - 1]));
    const std::vector<codes::SwatchUpdate> swatches =
        codes::CapacitorColourSwatches(kind_, bands_, chosen);
    for (std::size_t i = 0; i < swatches.size(); ++i)
        applySwatch(swatches_[i], swatches[i]);
    // The fields of a band the capacitor does not have stay empty.
    applyBandCountRules();
}

void CapacitorColourWindow::capacitanceAtTemperature() {
    const std::optional<QString> answer =
        Dialogs::current().prompt(this, kApplicationTitle, qs(codes::kCapacitorTemperaturePrompt));
    const codes::CapacitorTemperatureResult result =
        codes::CapacitorAtTemperature(answer.value_or(QString()).toStdString(),
                                      lists_[5]->currentIndex(), text_[1]->text().toStdString());
    if (result.coefficientText)
        text_[6]->setText(qs(*result.coefficientText));
    ShowMessage(this, result.message);
}

void CapacitorColourWindow::clear() {
    for (int n = 1; n <= 7; ++n)
        text_[static_cast<std::size_t>(n)]->clear();
    for (QComboBox* list : lists_)
        list->setCurrentIndex(0);
    for (Swatch* swatch : swatches_)
        swatch->hide();
}

} // namespace voltaris::gui
