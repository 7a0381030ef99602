#include "app/section_menus.h"

#include "app/angle_command.h"
#include "core/shell/power_factor.h"
#include "gui/dialogs.h"
#include "gui/fields.h"
#include "gui/messages.h"
#include "gui/navigation.h"
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

const QString kLeaveTip = QStringLiteral("Bu Bölümü Kapatır");

QPushButton* returnButton(QWidget* menu, const QString& toolTip = {}) {
    QPushButton* button =
        gui::makeButton(QStringLiteral("Command3"), QStringLiteral("Ana Menüye Dön"), toolTip);
    QObject::connect(button, &QPushButton::clicked, menu, [menu] { gui::returnToMainMenu(menu); });
    return button;
}

// The configurations: caption and the controls shown.
struct Configuration {
    const char* caption;
    QStringList shown;
};

Configuration codeMenuConfiguration(CodeMenu menu) {
    switch (menu) {
    case CodeMenu::Resistors:
        return {"Direnç Ana Menü",
                {"Command1", "Command2", "Command10", "Command13", "Image1", "Image2", "Image6",
                 "Image7"}};
    case CodeMenu::Capacitors:
        return {"Kondansatör Kodları Okuma Ana Menü", {"Command8", "Command9", "Image4", "Image5"}};
    case CodeMenu::FourBand:
        return {"4 Band Direnç Seçenek Menüsü", {"Image3", "Label1", "Command4", "Command6"}};
    case CodeMenu::FiveBand:
        return {"5 Band Direnç Seçenek Menüsü", {"Image3", "Label1", "Command5", "Command7"}};
    case CodeMenu::SixBand:
        return {"6 Band Direnç Seçenek Menüsü", {"Image3", "Label1", "Command11", "Command12"}};
    }
    return {};
}

Configuration toolGroupConfiguration(ToolGroup group) {
    switch (group) {
    case ToolGroup::MediumVoltage:
        return {"Orta Gerilim Hesaplamaları", {"Command1", "Command2"}};
    case ToolGroup::Coils:
        return {"Bobin Hesaplamaları", {"Command4", "Command5"}};
    case ToolGroup::Distribution:
        return {"Şebeke Dağıtım Elemanları Hesaplamaları",
                {"Command6", "Command7", "Command8", "Command12", "Command13"}};
    case ToolGroup::Cables:
        return {"Kablolar İle İlgili Diğer Hesaplamalar", {"Command9", "Command10", "Command11"}};
    }
    return {};
}

// A Form58 opening: its caption, and which of its two charts shows.
Opening poleChart(const QString& caption, const QString& chart, const QString& otherChart) {
    return {QStringLiteral("Form58"),
            {QStringLiteral("Command1"), chart},
            {QStringLiteral("Command2"), otherChart},
            {},
            [caption](QWidget* window) { window->setWindowTitle(caption); }};
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

void SectionMenu::addConfigurable(QWidget* control) {
    configurable_.append(control);
}

void SectionMenu::configure(const QString& caption, const QStringList& shown) {
    setWindowTitle(caption);
    setAccessibleName(caption);
    for (QWidget* control : configurable_)
        control->setVisible(shown.contains(control->objectName()));
    adjustSize();
}

CodeMenuWindow::CodeMenuWindow() : SectionMenu(kCodeMenuForm, QString()) {
    auto* layout = new QHBoxLayout(this);
    auto* buttons = new QVBoxLayout;
    layout->addLayout(buttons);

    const struct {
        const char* name;
        const char* caption;
        Opening opening;
    } openings[] = {
        {"Command13", "SMD Direnç Kodu Okuma", {QStringLiteral("Form55")}},
        {"Command4", "4 Band Direnç Renk Kodunu Vermek İstiyorum", {QStringLiteral("Form5")}},
        {"Command6",
         "4 Band Direnç Renk Kodunu Bulmak İstiyorum",
         {QStringLiteral("Form6"), {}, {}, {QStringLiteral("Option7"), QStringLiteral("Option3")}}},
        {"Command5", "5 Band Direnç Renk Kodunu Vermek İstiyorum", {QStringLiteral("Form7")}},
        {"Command7",
         "5 Band Direnç Renk Kodunu Bulmak İsityorum",
         {QStringLiteral("Form6"), {}, {}, {QStringLiteral("Option6"), QStringLiteral("Option3")}}},
        {"Command11", "6 Band Direnç Renk Kodunu Vermek İstiyorum", {QStringLiteral("Form26")}},
        {"Command12",
         "6 Band Direnç Renk Kodunu Bulmak İstiyorum",
         {QStringLiteral("Form6"),
          {},
          {},
          {QStringLiteral("Option8"), QStringLiteral("Option3"), QStringLiteral("Option9")}}},
        {"Command8", "Renk Kodu Bulunan Kondansatörleri Okuma ", {QStringLiteral("Form18")}},
        {"Command9",
         "Rakam ve Harf Kodu Bulunan Kondansatörleri Okuma",
         {QStringLiteral("Form17")}},
    };
    // The band sub-menus of this window itself.
    const struct {
        const char* name;
        const char* caption;
        CodeMenu menu;
    } subMenus[] = {
        {"Command1", "4 Band Renk Kodu Hesapla", CodeMenu::FourBand},
        {"Command2", "5 band Renk Kodu Hesapla", CodeMenu::FiveBand},
        {"Command10", "6 Band Renk Kodu Hesapla", CodeMenu::SixBand},
    };
    for (const auto& subMenu : subMenus) {
        QPushButton* button =
            gui::makeButton(QString::fromUtf8(subMenu.name), QString::fromUtf8(subMenu.caption));
        const CodeMenu menu = subMenu.menu;
        connect(button, &QPushButton::clicked, this, [this, menu] { configure(menu); });
        buttons->addWidget(button);
        addConfigurable(button);
    }
    for (const auto& opening : openings) {
        QPushButton* button =
            makeOpeningButton(this, QString::fromUtf8(opening.name),
                              QString::fromUtf8(opening.caption), opening.opening);
        buttons->addWidget(button);
        addConfigurable(button);
    }
    buttons->addStretch(1);
    QPushButton* back = returnButton(this, kLeaveTip);
    buttons->addWidget(back);
    setLeavingButtons(back);

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
    for (gui::ComponentPicture* image : images)
        addConfigurable(image);
    addConfigurable(sample);

    configure(CodeMenu::Resistors); // until an opener applies its own
}

void CodeMenuWindow::configure(CodeMenu menu) {
    const Configuration configuration = codeMenuConfiguration(menu);
    configure(QString::fromUtf8(configuration.caption), configuration.shown);
}

ToolGroupMenuWindow::ToolGroupMenuWindow() : SectionMenu(kToolGroupMenuForm, QString()) {
    auto* layout = new QVBoxLayout(this);
    const struct {
        const char* name;
        const char* caption;
        Opening opening;
    } openings[] = {
        {"Command1", "OG Gerilim Düşümü Hesaplama", {QStringLiteral("Form33")}},
        {"Command2", "OG 3 Faz Kısa Devre Hesabı", {QStringLiteral("Form41")}},
        {"Command4", "Bobin Renk Kodu Bölümü", {QStringLiteral("Form16")}},
        {"Command5", "Hava Nüveli Bobin Hesaplama", {QStringLiteral("Form43")}},
        {"Command6", "Direk Hesaplama", {QStringLiteral("Form56")}},
        {"Command7", "Kanal  Hesaplama", {QStringLiteral("Form57")}},
        {"Command8",
         "Alüminyum İletkenlerin Kilogram Karşılıklarını Bulma",
         {QStringLiteral("Form29")}},
        {"Command12", "Beton Direk Bilgi Cetveli",
         poleChart(QStringLiteral("Beton Direk Bilgi Cetveli"), QStringLiteral("Frame1"),
                   QStringLiteral("Frame2"))},
        {"Command13", "Demir Direk Bilgi Cetveli",
         poleChart(QStringLiteral("Demir Direk Bilgi Cetveli"), QStringLiteral("Frame2"),
                   QStringLiteral("Frame1"))},
        {"Command9",
         "Kablo Akım Taşıma Düzeltme Faktörleri",
         {QStringLiteral("Form52"), {QStringLiteral("Command3")}, {QStringLiteral("Command6")}}},
        {"Command10", "Kablonun Dayanacağı Kısa Devre Akımı Hesaplama", {QStringLiteral("Form37")}},
        {"Command11",
         "Kablolar İçin Koruyucu Boru Çapı Seçimi / Hesaplama",
         {QStringLiteral("Form48")}},
    };
    for (const auto& opening : openings) {
        QPushButton* button =
            makeOpeningButton(this, QString::fromUtf8(opening.name),
                              QString::fromUtf8(opening.caption), opening.opening);
        layout->addWidget(button);
        addConfigurable(button);
    }
    layout->addStretch(1);
    QPushButton* back = returnButton(this);
    layout->addLayout(gui::makeButtonRow({}, {back}));
    setLeavingButtons(back);

    configure(ToolGroup::MediumVoltage); // until an opener applies its own
}

void ToolGroupMenuWindow::configure(ToolGroup group) {
    const Configuration configuration = toolGroupConfiguration(group);
    configure(QString::fromUtf8(configuration.caption), configuration.shown);
}

LowVoltageMenuWindow::LowVoltageMenuWindow()
    : ToolWindow(kLowVoltageMenuForm, QStringLiteral("Alçak Gerilim Hesaplamaları")) {
    auto* layout = new QVBoxLayout(this);
    const struct {
        const char* name;
        const char* caption;
        const char* toolTip;
        Opening opening;
    } openings[] = {
        {"Command1",
         "Alternatif Akımda Güç Hesaplanması",
         "Alternatif Akımda Watt Kanunu",
         {QStringLiteral("Form21")}},
        {"Command2",
         "Tek Cihaz Kompanzasyonu",
         "KOMPANZASYON-Cosinüs Fi'nin Düzeltilmesi",
         {QStringLiteral("Form22")}},
        {"Command7",
         "Kablolu Elektrik Hatlarında Gerilim Düşümü",
         "Gerilim Düşümü Hesaplaması",
         {QStringLiteral("Form24"), {QStringLiteral("Command2")}, {QStringLiteral("Command4")}}},
        {"Command8", "Komple Tesis Kompanzasyonu", "", {QStringLiteral("Form27")}},
        {"Command9",
         "Güçlerin Bir Birine Çevrilmesi",
         "",
         {QStringLiteral("Form30"), {QStringLiteral("Command3")}, {QStringLiteral("Command4")}}},
        {"Command11",
         "Havai Elektrik Hatlarında Gerilim Düşümü",
         "",
         {QStringLiteral("Form32"), {QStringLiteral("Command2")}, {QStringLiteral("Command5")}}},
        {"Command12",
         "3 Fazlı Alçak Gerilim Kısa Devre Hesaplanması",
         "",
         {QStringLiteral("Form39")}},
        {"Command14", "Elektrik Üretim Hesaplamaları", "", {QStringLiteral("Form47")}},
    };
    for (const auto& opening : openings)
        layout->addWidget(makeOpeningButton(this, QString::fromUtf8(opening.name),
                                            QString::fromUtf8(opening.caption), opening.opening,
                                            QString::fromUtf8(opening.toolTip)));
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

    QPushButton* back = returnButton(this, kLeaveTip);
    layout->addLayout(gui::makeButtonRow({}, {back}));
    setLeavingButtons(back);
}

void LowVoltageMenuWindow::showPowerFactorPanel() {
    panel_->show();
    adjustSize();
    if (const QScreen* screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        move(x(), available.top() + (available.height() - frameGeometry().height()) / 2);
    }
}

Opening codeMenuOpening(CodeMenu menu) {
    return {kCodeMenuForm, {}, {}, {}, [menu](QWidget* window) {
                if (auto* codeMenu = dynamic_cast<CodeMenuWindow*>(window))
                    codeMenu->configure(menu);
            }};
}

Opening toolGroupOpening(ToolGroup group) {
    return {kToolGroupMenuForm, {}, {}, {}, [group](QWidget* window) {
                if (auto* groupMenu = dynamic_cast<ToolGroupMenuWindow*>(window))
                    groupMenu->configure(group);
            }};
}

} // namespace voltaris::app
