#include "app/section_menus.h"

#include "app/angle_command.h"
#include "core/shell/power_factor.h"
#include "gui/dialogs.h"
#include "gui/fields.h"
#include "gui/messages.h"
#include "gui/openings.h"
#include "gui/pictures.h"
#include "gui/text.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace voltaris::app {

using gui::qs;

namespace {

// A button of a section menu; the openings table connects it to what it opens.
struct MenuButton {
    const char* name;
    const char* caption;
    const char* toolTip = "";
};

// The buttons, one under the other in `layout`.
QList<QWidget*> addMenuButtons(QBoxLayout* layout, std::initializer_list<MenuButton> buttons) {
    QList<QWidget*> added;
    for (const MenuButton& button : buttons) {
        added.append(gui::makeButton(QString::fromUtf8(button.name),
                                     QString::fromUtf8(button.caption),
                                     QString::fromUtf8(button.toolTip)));
        layout->addWidget(added.back());
    }
    return added;
}

gui::ComponentPicture* picture(const QString& name, gui::Component kind, int bands,
                               const QList<QColor>& colours, const QString& toolTip) {
    auto* image = new gui::ComponentPicture(name, kind, bands);
    image->setBandColours(colours);
    image->setToolTip(toolTip);
    image->setAccessibleName(toolTip);
    return image;
}

} // namespace

SectionMenu::SectionMenu(const QString& form, const QString& caption) : ToolWindow(form, caption) {}

void SectionMenu::addConfigurable(const QList<QWidget*>& controls) {
    configurable_.append(controls);
}

void SectionMenu::adjust(const gui::Adjustments& adjustments) {
    setWindowTitle(adjustments.caption);
    setAccessibleName(adjustments.caption);
    for (QWidget* control : configurable_)
        control->setVisible(adjustments.shown.contains(control->objectName()));
    adjustSize();
}

// Until an opener applies its own configuration, a section menu shows the first one the
// openings table gives it.
void SectionMenu::showFirstConfiguration() {
    for (const gui::Opening& opening : gui::Openings())
        if (opening.form == objectName()) {
            adjust(opening.adjustments);
            return;
        }
}

CodeMenuWindow::CodeMenuWindow() : SectionMenu(kForm, QString()) {
    auto* layout = new QHBoxLayout(this);
    auto* buttons = new QVBoxLayout;
    layout->addLayout(buttons);

    // The band sub-menus of this window itself, then the tools.
    addConfigurable(addMenuButtons(
        buttons, {
                     {"Command1", "4 Band Renk Kodu Hesapla"},
                     {"Command2", "5 band Renk Kodu Hesapla"},
                     {"Command10", "6 Band Renk Kodu Hesapla"},
                     {"Command13", "SMD Direnç Kodu Okuma"},
                     {"Command4", "4 Band Direnç Renk Kodunu Vermek İstiyorum"},
                     {"Command6", "4 Band Direnç Renk Kodunu Bulmak İstiyorum"},
                     {"Command5", "5 Band Direnç Renk Kodunu Vermek İstiyorum"},
                     {"Command7", "5 Band Direnç Renk Kodunu Bulmak İsityorum"},
                     {"Command11", "6 Band Direnç Renk Kodunu Vermek İstiyorum"},
                     {"Command12", "6 Band Direnç Renk Kodunu Bulmak İstiyorum"},
                     {"Command8", "Renk Kodu Bulunan Kondansatörleri Okuma "},
                     {"Command9", "Rakam ve Harf Kodu Bulunan Kondansatörleri Okuma"},
                 }));
    buttons->addStretch(1);
    buttons->addWidget(makeReturnButton(QStringLiteral("Command3")));

    // Pictures: resistors of 4, 5 and 6 bands and an SMD chip; two capacitors; and the band
    // picture of the sub-menus with its sample value, 190 Ohm ±%1 in five bands.
    const QColor brown(139, 69, 19), black(Qt::black), red(Qt::red), gold(212, 175, 55),
        orange(255, 140, 0), yellow(Qt::yellow), violet(138, 43, 226), white(Qt::white);
    auto* pictures = new QGridLayout;
    layout->addLayout(pictures, 1);
    const QString resistorTip = QStringLiteral("Direnç");
    gui::ComponentPicture* images[] = {
        picture(QStringLiteral("Image1"), gui::Component::Resistor, 4, {brown, black, red, gold},
                resistorTip),
        picture(QStringLiteral("Image2"), gui::Component::Resistor, 5,
                {yellow, violet, black, brown, brown}, resistorTip),
        picture(QStringLiteral("Image6"), gui::Component::Resistor, 6,
                {orange, orange, black, red, brown, red}, resistorTip),
        picture(QStringLiteral("Image7"), gui::Component::SmdResistor, 0, {},
                QStringLiteral("SMD Direnç")),
        picture(QStringLiteral("Image4"), gui::Component::CeramicCapacitor, 0, {},
                QStringLiteral("Seramik Kondansatör")),
        picture(QStringLiteral("Image5"), gui::Component::ElectrolyticCapacitor, 0, {},
                QStringLiteral("Elektrolitik Kondansatör")),
        picture(QStringLiteral("Image3"), gui::Component::Resistor, 5,
                {brown, white, black, black, brown}, resistorTip),
    };
    images[3]->setCode(QStringLiteral("103"));
    for (int index = 0; index < 4; ++index)
        pictures->addWidget(images[index], index / 2, index % 2);
    pictures->addWidget(images[4], 2, 0);
    pictures->addWidget(images[5], 2, 1);
    pictures->addWidget(images[6], 3, 0, 1, 2);
    QLabel* sample = gui::makeLabel(QStringLiteral("Label1"), QStringLiteral("190 Ohm ±%1"));
    sample->setAlignment(Qt::AlignHCenter);
    pictures->addWidget(sample, 4, 0, 1, 2);
    addConfigurable({std::begin(images), std::end(images)});
    addConfigurable({sample});

    showFirstConfiguration();
}

ToolGroupMenuWindow::ToolGroupMenuWindow() : SectionMenu(kForm, QString()) {
    auto* layout = new QVBoxLayout(this);
    addConfigurable(addMenuButtons(
        layout, {
                    {"Command1", "OG Gerilim Düşümü Hesaplama"},
                    {"Command2", "OG 3 Faz Kısa Devre Hesabı"},
                    {"Command4", "Bobin Renk Kodu Bölümü"},
                    {"Command5", "Hava Nüveli Bobin Hesaplama"},
                    {"Command6", "Direk Hesaplama"},
                    {"Command7", "Kanal  Hesaplama"},
                    {"Command8", "Alüminyum İletkenlerin Kilogram Karşılıklarını Bulma"},
                    {"Command12", "Beton Direk Bilgi Cetveli"},
                    {"Command13", "Demir Direk Bilgi Cetveli"},
                    {"Command9", "Kablo Akım Taşıma Düzeltme Faktörleri"},
                    {"Command10", "Kablonun Dayanacağı Kısa Devre Akımı Hesaplama"},
                    {"Command11", "Kablolar İçin Koruyucu Boru Çapı Seçimi / Hesaplama"},
                }));
    layout->addStretch(1);
    layout->addLayout(gui::makeButtonRow({}, {makeReturnButton(QStringLiteral("Command3"), {})}));

    showFirstConfiguration();
}

LowVoltageMenuWindow::LowVoltageMenuWindow()
    : ToolWindow(kForm, QStringLiteral("Alçak Gerilim Hesaplamaları")) {
    auto* layout = new QVBoxLayout(this);
    addMenuButtons(
        layout,
        {
            {"Command1", "Alternatif Akımda Güç Hesaplanması", "Alternatif Akımda Watt Kanunu"},
            {"Command2", "Tek Cihaz Kompanzasyonu", "KOMPANZASYON-Cosinüs Fi'nin Düzeltilmesi"},
            {"Command7", "Kablolu Elektrik Hatlarında Gerilim Düşümü",
             "Gerilim Düşümü Hesaplaması"},
            {"Command8", "Komple Tesis Kompanzasyonu"},
            {"Command9", "Güçlerin Bir Birine Çevrilmesi"},
            {"Command11", "Havai Elektrik Hatlarında Gerilim Düşümü"},
            {"Command12", "3 Fazlı Alçak Gerilim Kısa Devre Hesaplanması"},
            {"Command14", "Elektrik Üretim Hesaplamaları"},
        });
    QPushButton* panelButton = gui::makeButton(
        QStringLiteral("Command6"), QStringLiteral("Cosinüs Değerinin Hesaplanması"),
        QStringLiteral("Cosinüs Fi ve Trigonometrik Hesaplar"));
    connect(panelButton, &QPushButton::clicked, this, [this] { showPowerFactorPanel(); });
    layout->addWidget(panelButton);

    // The power-factor panel, shown by "Cosinüs Değerinin Hesaplanması".
    auto* panel = new QGroupBox(QStringLiteral("Cosinüs Değerinin Hesaplanması"));
    panel->setObjectName(QStringLiteral("Frame2"));
    auto* panelLayout = new QVBoxLayout(panel);
    auto* choices = new QHBoxLayout;
    panelLayout->addLayout(choices);
    const auto optionGroup = [&choices](const QString& frame, const QString& title,
                                        const QString& first, const QString& firstCaption,
                                        const QString& second, const QString& secondCaption) {
        auto* group = new QGroupBox(title);
        group->setObjectName(frame);
        auto* groupLayout = new QVBoxLayout(group);
        auto* one = new QRadioButton(firstCaption);
        one->setObjectName(first);
        one->setChecked(true);
        auto* other = new QRadioButton(secondCaption);
        other->setObjectName(second);
        groupLayout->addWidget(one);
        groupLayout->addWidget(other);
        choices->addWidget(group);
        return one;
    };
    QRadioButton* active =
        optionGroup(QStringLiteral("Frame1"), QStringLiteral("Güç Çeşidini Seçiniz"),
                    QStringLiteral("Option1"), QStringLiteral("Aktif Güç'ü(W) Biliyorum"),
                    QStringLiteral("Option2"), QStringLiteral("Reaktif Güç'ü(VAr) Biliyorum"));
    QRadioButton* singlePhase = optionGroup(QStringLiteral("Frame3"), QStringLiteral("Faz Durumu"),
                                            QStringLiteral("Option3"), QStringLiteral("Monofaze"),
                                            QStringLiteral("Option4"), QStringLiteral("Trifaze"));

    QPushButton* fromPower = gui::makeButton(
        QStringLiteral("Command4"), QStringLiteral("Cosinüs Değerinin Hesaplanması"),
        QStringLiteral("Harcanan Güç'e Göre Cosinüs Fi Değerinin Hesaplanması"));
    connect(fromPower, &QPushButton::clicked, this, [this, active, singlePhase] {
        gui::PromptWarning(this, [&] {
            const shell::KnownPower known =
                active->isChecked() ? shell::KnownPower::Active : shell::KnownPower::Reactive;
            const double power = gui::PromptNumber(this, qs(known == shell::KnownPower::Active
                                                                ? shell::kActivePowerPrompt
                                                                : shell::kReactivePowerPrompt));
            const double voltage = gui::PromptNumber(this, qs(shell::kVoltagePrompt));
            const double current = gui::PromptNumber(this, qs(shell::kCurrentPrompt));
            const shell::Phases phases =
                singlePhase->isChecked() ? shell::Phases::Single : shell::Phases::Three;
            gui::ShowResultBox(this, qs(shell::PowerFactorMessage(shell::PowerFactorOf(
                                         known, phases, power, voltage, current))));
        });
    });
    QPushButton* fromMeters = gui::makeButton(
        QStringLiteral("Command10"),
        QStringLiteral(
            "Aktif(W) ve Reaktif(VAr) Sayaçların Yazdığı Değerlere Göre Hesaplayacağım"));
    connect(fromMeters, &QPushButton::clicked, this, [this] {
        gui::ShowInformation(this, qs(shell::kMeterHint));
        gui::PromptWarning(this, [this] {
            const double active = gui::PromptNumber(this, qs(shell::kActiveMeterPrompt));
            const double reactive = gui::PromptNumber(this, qs(shell::kReactiveMeterPrompt));
            gui::ShowResultBox(this, qs(shell::MeterMessage(active, reactive)));
        });
    });
    QPushButton* fromAngle =
        gui::makeButton(QStringLiteral("Command5"),
                        QStringLiteral("Cosinüs Değerini Açı Derecesini Vererek Hesaplayacağım"),
                        QStringLiteral("Trigonometrik Hesaplar"));
    connect(fromAngle, &QPushButton::clicked, this, [this] { askAngle(this, true); });
    panelLayout->addWidget(fromPower);
    panelLayout->addWidget(fromMeters);
    panelLayout->addWidget(fromAngle);
    panel->hide();
    panel_ = panel;
    layout->addWidget(panel);

    layout->addLayout(gui::makeButtonRow({}, {makeReturnButton(QStringLiteral("Command3"))}));
}

void LowVoltageMenuWindow::showPowerFactorPanel() {
    panel_->show();
    adjustSize();
    if (const QScreen* screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        move(x(), available.top() + (available.height() - frameGeometry().height()) / 2);
    }
}

} // namespace voltaris::app
