#include "app/main_menu.h"

#include "gui/fields.h"
#include "gui/navigation.h"
#include "gui/window_registry.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QMenuBar>
#include <QPushButton>

namespace voltaris::app {

using gui::WindowRegistry;

MainMenuWindow::MainMenuWindow() {
    setObjectName(gui::kMainMenuForm);
    setWindowTitle(QStringLiteral("Voltaris-Ana Menü"));
    auto* central = new QWidget;
    auto* grid = new QGridLayout(central);
    setCentralWidget(central);
    buildMenus();
    buildButtons(grid);
}

void MainMenuWindow::open(const Opening& opening) {
    QWidget* tool = gui::openTool(this, opening.form);
    gui::adjustControls(tool, opening.shown, opening.hidden);
    for (const QString& name : opening.selected)
        if (auto* option = tool->findChild<QAbstractButton*>(name))
            option->setChecked(true);
    if (opening.then)
        opening.then(tool);
}

QAbstractButton* MainMenuWindow::addButton(QGridLayout* grid, int index, const QString& name,
                                           const QString& caption, const Opening& opening) {
    QPushButton* button = gui::makeButton(name, caption);
    button->setEnabled(WindowRegistry::instance().has(opening.form));
    connect(button, &QPushButton::clicked, this, [this, opening] { open(opening); });
    // Two columns, read row by row in the order of the buttons' numbers.
    grid->addWidget(button, index / 2, index % 2);
    return button;
}

QAction* MainMenuWindow::addItem(QMenu* menu, const QString& name, const QString& caption,
                                 const Opening& opening) {
    QAction* item = gui::addMenuItem(menu, name, caption);
    item->setEnabled(WindowRegistry::instance().has(opening.form));
    connect(item, &QAction::triggered, this, [this, opening] { open(opening); });
    return item;
}

void MainMenuWindow::buildMenus() {
    QMenuBar* bar = menuBar();

    QMenu* resistors = bar->addMenu(QStringLiteral("&Direnç Kodları"));
    addItem(resistors, QStringLiteral("mn_SMDdirenc"), QStringLiteral("SMD Direnç Okuma"),
            {QStringLiteral("Form55")});
    resistors->addSeparator();
    QMenu* fourBand = resistors->addMenu(QStringLiteral("4 Band Direnç"));
    addItem(fourBand, QStringLiteral("mn_DörtBO"), QStringLiteral("4 Band Direnç Okuma"),
            {QStringLiteral("Form5")});
    addItem(
        fourBand, QStringLiteral("mn_DörtDB"), QStringLiteral("4 Band Direnç Renkleri Bulma"),
        {QStringLiteral("Form6"), {}, {}, {QStringLiteral("Option7"), QStringLiteral("Option3")}});
    resistors->addSeparator();
    QMenu* fiveBand = resistors->addMenu(QStringLiteral("5 Band Direnç"));
    addItem(fiveBand, QStringLiteral("mn_BesDO"), QStringLiteral("5 Band Direnç Okuma"),
            {QStringLiteral("Form7")});
    addItem(
        fiveBand, QStringLiteral("mn_BesDB"), QStringLiteral("5 Band Direnç Renkleri Bulma"),
        {QStringLiteral("Form6"), {}, {}, {QStringLiteral("Option6"), QStringLiteral("Option3")}});
    resistors->addSeparator();
    QMenu* sixBand = resistors->addMenu(QStringLiteral("6 Band Direnç"));
    addItem(sixBand, QStringLiteral("mn_AltıDO"), QStringLiteral("6 Band Direnç Okuma"),
            {QStringLiteral("Form26")});
    addItem(sixBand, QStringLiteral("mn_AltıDB"), QStringLiteral("6 Band Direnç Renkleri Bulma"),
            {QStringLiteral("Form6"),
             {},
             {},
             {QStringLiteral("Option8"), QStringLiteral("Option3"), QStringLiteral("Option9")}});

    QMenu* capacitors = bar->addMenu(QStringLiteral("&Kondansatör Kodları"));
    addItem(capacitors, QStringLiteral("mn_KonRHO"), QStringLiteral("Rakam ve Harf Kodu Okuma "),
            {QStringLiteral("Form17")});
    capacitors->addSeparator();
    addItem(capacitors, QStringLiteral("mn_KonRO"), QStringLiteral("Renk Kodu Okuma"),
            {QStringLiteral("Form18")});

    QMenu* coils = bar->addMenu(QStringLiteral("&Bobin"));
    addItem(coils, QStringLiteral("mn_BOBINRENK"), QStringLiteral("Bobin Renk Kodu Bölümü"),
            {QStringLiteral("Form16")});
    coils->addSeparator();
    addItem(coils, QStringLiteral("mn_HAVALIBOBIN"), QStringLiteral("Hava Nüveli Bobin Hesaplama"),
            {QStringLiteral("Form43")});

    QMenu* lowVoltage = bar->addMenu(QStringLiteral("&Alçak Gerilim"));
    addItem(lowVoltage, QStringLiteral("Mn_GUCAC"),
            QStringLiteral("Güçlerin Bir Birine Çevirilmesi"),
            {QStringLiteral("Form30"), {QStringLiteral("Command3")}, {QStringLiteral("Command4")}});
    const struct {
        const char* name;
        const char* caption;
        Opening opening;
    } lowVoltageItems[] = {
        {"mn_AltGüc", "Alternatif Akımda Güç Hesaplanması", {QStringLiteral("Form21")}},
        {"mn_GücKat",
         "Alternatif Akımda Endüktif Alıcının Güç Katsayısının Düzeltilmesi",
         {QStringLiteral("Form22")}},
        {"mn_TesKom", "Komple Tesis Kompanzasyonu", {QStringLiteral("Form27")}},
        {"mn_gerDüş",
         "Kablolu Elektrik Hatlarında Gerilim Düşümü",
         {QStringLiteral("Form24"), {QStringLiteral("Command2")}, {QStringLiteral("Command4")}}},
        {"mn_havai", "Havai Elektrik Hatlarında Gerilim Düşümü", {QStringLiteral("Form32")}},
        {"mn_AGKISADEVRE", "3 Fazlı AG Kısa Devre Hesaplaması", {QStringLiteral("Form39")}},
        {"mn_ElkURET", "Elektrik Üretim Hesaplamaları", {QStringLiteral("Form47")}},
    };
    for (const auto& item : lowVoltageItems) {
        lowVoltage->addSeparator();
        addItem(lowVoltage, QString::fromUtf8(item.name), QString::fromUtf8(item.caption),
                item.opening);
    }

    QMenu* mediumVoltage = bar->addMenu(QStringLiteral("&Orta Gerilim"));
    addItem(mediumVoltage, QStringLiteral("mn_OGGERD"),
            QStringLiteral("OG Gerilim Düşümü Hesaplama"), {QStringLiteral("Form33")});
    mediumVoltage->addSeparator();
    addItem(mediumVoltage, QStringLiteral("mn_OGKISAD"),
            QStringLiteral("OG 3 Faz Kısa Devre Hesabı"), {QStringLiteral("Form41")});

    QMenu* extras = bar->addMenu(QStringLiteral("&Ek Hesaplamalar"));
    const struct {
        const char* name;
        const char* caption;
        Opening opening;
    } extraItems[] = {
        {"mn_sigorta", "Sigorta Değeri Hesaplama", {QStringLiteral("Form38")}},
        {"mn_elekYard",
         "Elektrikte Kullanılan Yardımcı Hesaplamalar",
         {QStringLiteral("Form25"), {QStringLiteral("Command4")}, {QStringLiteral("Command31")}}},
        {"mn_ENHSABIT", "Enerji Nakil Hattı Hesaplamaları", {QStringLiteral("Form50")}},
        {"mn_AWGtoMetrik", "AWG Metrik Dönüşüm", {QStringLiteral("Form54")}},
        {"mn_motor", "Motorlarda Yolverme Donanımları Seçim Bölümü", {QStringLiteral("Form46")}},
        {"mn_trafo", "Transformatör Hesabı", {QStringLiteral("Form3")}},
        {"mn_DirHesp", "Direnç İle ilgili Hesaplamalar", {QStringLiteral("Form8")}},
        {"Mn_REZ", "Isıtıcı Rezıstans Hesaplama", {QStringLiteral("Form13")}},
        {"mn_Çeviri",
         "Birim'ler Arası Çeviri",
         {QStringLiteral("Form12"), {QStringLiteral("Command1"), QStringLiteral("Command3")}}},
    };
    for (const auto& item : extraItems) {
        extras->addSeparator();
        addItem(extras, QString::fromUtf8(item.name), QString::fromUtf8(item.caption),
                item.opening);
    }
    extras->addSeparator();
    QAction* trigonometry = gui::addMenuItem(extras, QStringLiteral("mn_trigonometri"),
                                             QStringLiteral("Açı Değerinden Trigonometrik "
                                                            "Dönüşümler"));
    trigonometry->setEnabled(false); // the angle message comes with the trigonometry routines

    QMenu* about = bar->addMenu(QStringLiteral("&Hakkında"));
    addItem(about, QStringLiteral("mn_Hakkında"), QStringLiteral("&Hakkında"),
            {QStringLiteral("Form19")});
}

void MainMenuWindow::buildButtons(QGridLayout* grid) {
    const Opening resistorCodes{QStringLiteral("Form2")};
    const struct {
        const char* caption;
        Opening opening;
    } buttons[] = {
        {"Direnç Kodları Okuma", resistorCodes},
        {"Ohm ve Watt Kanunu", {QStringLiteral("Form9")}},
        {"Elektrik ve Elektronik'te Kullanılan Kavramlar Arası Dönüşüm",
         {QStringLiteral("Form10"),
          {QStringLiteral("Command1"), QStringLiteral("Command3")},
          {QStringLiteral("Command2")}}},
        {"Bir İletken'in Direncini Hesaplama", {QStringLiteral("Form11")}},
        {"Kablo ve İletken Kesit Hesaplama",
         {QStringLiteral("Form31"), {QStringLiteral("Command2")}, {QStringLiteral("Command8")}}},
        {"KAPAT", {}},
        {"Eş Değer Direnç , Bobin ve Kondansatör  Hesaplama ve Üçgen-Yıldız,Yıldız-Üçgen "
         "Dönüşümleri",
         {QStringLiteral("Form14")}},
        {"Bara Hesaplama", {QStringLiteral("Form53")}},
        {"Kondansatör Kodları Okuma", {QStringLiteral("Form2")}},
        {"Orta Gerilim Hesaplamaları", {QStringLiteral("Form40")}},
        {"Alçak Gerilim Hesaplamaları", {QStringLiteral("Form23")}},
        {"Trifaze Jeneratör Hesaplama",
         {QStringLiteral("Form34"), {QStringLiteral("Command2")}, {QStringLiteral("Command11")}}},
        {"LED'e Bağlanacak Seri Direnç'i Hesaplama", {QStringLiteral("Form15")}},
        {"Bobin Hesaplamaları", {QStringLiteral("Form40")}},
        {"Topraklama Hesaplama", {QStringLiteral("Form36")}},
        {"Elektronik Elemanların Kataloğlarını İnternet'te Arama", {QStringLiteral("Form20")}},
        {"Şebeke Dağıtım Elemanları Hesaplamaları", {QStringLiteral("Form40")}},
        {"Kablolar İle İlgili Diğer Hesaplamalar", {QStringLiteral("Form40")}},
        {"İletkenlerin Direnç Değerlerinin Sıcaklıkla Değişimini Hesaplama ",
         {QStringLiteral("Form28"), {QStringLiteral("Command3")}, {QStringLiteral("Command4")}}},
        {"Kurulu Güç ve Talep Güç Hesaplama", {QStringLiteral("Form44")}},
        {"Aydınlatma Hesaplama", {QStringLiteral("Form49")}},
        {"Basit Elektrik Tüketim Hesaplama", {QStringLiteral("Form51")}},
    };
    int index = 0;
    for (const auto& button : buttons) {
        const QString name = QStringLiteral("Command%1").arg(index + 1);
        addButton(grid, index, name, QString::fromUtf8(button.caption), button.opening);
        ++index;
    }
}

} // namespace voltaris::app
