#include "app/main_menu.h"

#include "app/about_window.h"
#include "app/angle_command.h"
#include "app/section_menus.h"
#include "app/settings.h"
#include "core/shell/shell_texts.h"
#include "gui/dialogs.h"
#include "gui/fields.h"
#include "gui/navigation.h"
#include "gui/text.h"
#include "gui/window_registry.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLockFile>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QVBoxLayout>

namespace voltaris::app {

using gui::qs;

using gui::WindowRegistry;

namespace {

// Banner positions are kept in twips, as the banner's steps and wrap are given: 15 twips to the
// pixel at 96 dots per inch.
constexpr int kTwipsPerPixel = 15;

} // namespace

MainMenuWindow::MainMenuWindow() {
    setObjectName(gui::kMainMenuForm);
    setWindowTitle(QStringLiteral("Voltaris-Ana Menü"));
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(buildBanner());
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    setCentralWidget(central);
    buildMenus();
    buildButtons(grid);
    buildStatusBar();
    buildTrayMenu();

    auto* exit = findChild<QPushButton*>(QStringLiteral("Command6"));
    exit->setToolTip(QStringLiteral("Programı KAPAT'IR..."));
    connect(exit, &QPushButton::clicked, this, &MainMenuWindow::askToExit);
}

MainMenuWindow::~MainMenuWindow() = default;

bool MainMenuWindow::load() {
    // One running program per settings folder: the lock file names the process holding it, so
    // that a lock left by a program that crashed is taken over.
    const QString folder = settingsLocation();
    QDir().mkpath(folder);
    instanceLock_ =
        std::make_unique<QLockFile>(QDir(folder).filePath(QStringLiteral("VOLTARIS_V2.3.lock")));
    instanceLock_->setStaleLockTime(0); // a running program's lock never grows stale
    if (!instanceLock_->tryLock(0) && instanceLock_->error() == QLockFile::LockFailedError) {
        instanceLock_.reset();
        gui::Dialogs::current().message(this, gui::kApplicationTitle, qs(shell::kAlreadyRunning),
                                        gui::BoxIcon::Exclamation);
        return false;
    }
    // A folder where no lock can be written at all does not keep the program from running.

    // Decided: a stored count that is not a number counts as 0.
    const double runs = storedNumber(kRunCountKey) + 1;
    addTrayIcon();
    storeNumber(kRunCountKey, runs);
    return true;
}

void MainMenuWindow::open(const Opening& opening) {
    openFrom(this, opening);
}

void MainMenuWindow::askToExit() {
    if (!gui::Dialogs::current().question(this, qs(shell::kExitTitle), qs(shell::kExitQuestion),
                                          gui::BoxIcon::Question)) {
        show();
        raise();
        activateWindow();
        return;
    }
    leave();
}

void MainMenuWindow::leave() {
    if (tray_)
        tray_->hide();
    const WindowRegistry& registry = WindowRegistry::instance();
    for (const QString& form : registry.created())
        if (QWidget* window = registry.existing(form))
            window->hide();
    // Without a running event loop (a test driving the windows) this does nothing; the windows
    // stay, hidden, for their owner to destroy.
    QCoreApplication::quit();
}

void MainMenuWindow::closeEvent(QCloseEvent* event) {
    event->ignore(); // the main menu goes only through the exit question
    askToExit();
}

void MainMenuWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The main menu is on the screen: the pop-up menu offers to put it away, not to bring it back.
    minimise_->setEnabled(true);
    restore_->setEnabled(false);
    date_->setText(QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    bannerTimer_->start();
}

void MainMenuWindow::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    bannerTimer_->stop(); // nobody sees the banner
}

QAction* MainMenuWindow::addItem(QMenu* menu, const QString& name, const QString& caption,
                                 const Opening& opening) {
    QAction* item = gui::addMenuItem(menu, name, caption);
    item->setEnabled(WindowRegistry::instance().has(opening.form));
    connect(item, &QAction::triggered, this, [this, opening] { open(opening); });
    return item;
}

QWidget* MainMenuWindow::buildBanner() {
    auto* strip = new QWidget;
    banner_ =
        gui::makeLabel(QStringLiteral("Label5"), qs(shell::kBannerPrefix) + qs(shell::kCredit));
    banner_->setParent(strip);
    QFont font = banner_->font();
    font.setBold(true);
    banner_->setFont(font);
    banner_->adjustSize();
    strip->setMinimumHeight(banner_->height());
    bannerTimer_ = new QTimer(this);
    bannerTimer_->setObjectName(QStringLiteral("Timer1"));
    bannerTimer_->setInterval(20);
    connect(bannerTimer_, &QTimer::timeout, this, &MainMenuWindow::moveBanner);
    moveBanner();
    return strip;
}

void MainMenuWindow::moveBanner() {
    bannerLeftTwips_ = shell::BannerTick(bannerLeftTwips_);
    banner_->move(bannerLeftTwips_ / kTwipsPerPixel, 0);
}

void MainMenuWindow::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    bar->addWidget(gui::makeLabel(QStringLiteral("Panel1"),
                                  QStringLiteral("Voltaris V2.3 - ") + qs(shell::kCredit)),
                   1);
    bar->addPermanentWidget(
        gui::makeLabel(QStringLiteral("Panel2"), QStringLiteral("     NumLock Tuşu    ")));
    date_ = gui::makeLabel(QStringLiteral("Panel3"),
                           QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    bar->addPermanentWidget(date_);
}

void MainMenuWindow::buildTrayMenu() {
    trayMenu_ = new QMenu(QStringLiteral("Voltaris-MENÜ"), this);
    trayMenu_->setObjectName(QStringLiteral("smenü"));
    QAction* about =
        gui::addMenuItem(trayMenu_, QStringLiteral("ssim"), QStringLiteral("Hakkında"));
    about->setEnabled(WindowRegistry::instance().has(kAboutForm));
    trayMenu_->setDefaultAction(about); // drawn in bold
    connect(about, &QAction::triggered, this, [this] { open({kAboutForm}); });
    trayMenu_->addSeparator();
    minimise_ = gui::addMenuItem(trayMenu_, QStringLiteral("snor"),
                                 QStringLiteral("Ana Menüyü Simge Durumuna Getir"));
    connect(minimise_, &QAction::triggered, this, [this] {
        hide();
        restore_->setEnabled(true);
        minimise_->setEnabled(false);
    });
    restore_ = gui::addMenuItem(trayMenu_, QStringLiteral("ekran"),
                                QStringLiteral("Ana Menüyü Bölümünü Ekrana Döndür"));
    connect(restore_, &QAction::triggered, this, [this] {
        show();
        raise();
        activateWindow();
    });
    trayMenu_->addSeparator();
    connect(
        gui::addMenuItem(trayMenu_, QStringLiteral("mn_Kapat"), QStringLiteral("Programı KAPAT")),
        &QAction::triggered, this, &MainMenuWindow::askToExit);
}

void MainMenuWindow::addTrayIcon() {
    tray_ = new QSystemTrayIcon(windowIcon(), this);
    tray_->setObjectName(QStringLiteral("TrayIcon"));
    tray_->setToolTip(QStringLiteral("VOLTARIS"));
    tray_->setContextMenu(trayMenu_); // the right button pops it up
    connect(tray_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::DoubleClick &&
                    WindowRegistry::instance().has(kAboutForm))
                    open({kAboutForm});
            });
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return; // no notification area: the main menu stays in the task list and works as ever
    tray_->show();
    // The icon stands in for the main menu in the task list.
    setWindowFlag(Qt::Tool, true);
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
    // No window: the angle prompt and its message, the main menu staying as it is.
    connect(gui::addMenuItem(extras, QStringLiteral("mn_trigonometri"),
                             QStringLiteral("Açı Değerinden Trigonometrik Dönüşümler")),
            &QAction::triggered, this, [this] { askAngle(this); });

    QMenu* about = bar->addMenu(QStringLiteral("&Hakkında"));
    addItem(about, QStringLiteral("mn_Hakkında"), QStringLiteral("&Hakkında"),
            {QStringLiteral("Form19")});
}

void MainMenuWindow::buildButtons(QGridLayout* grid) {
    const struct {
        const char* caption;
        Opening opening;
    } buttons[] = {
        {"Direnç Kodları Okuma", codeMenuOpening(CodeMenu::Resistors)},
        {"Ohm ve Watt Kanunu", {QStringLiteral("Form9")}},
        {"Elektrik ve Elektronik'te Kullanılan Kavramlar Arası Dönüşüm",
         {QStringLiteral("Form10"),
          {QStringLiteral("Command1"), QStringLiteral("Command3")},
          {QStringLiteral("Command2")}}},
        {"Bir İletken'in Direncini Hesaplama", {QStringLiteral("Form11")}},
        {"Kablo ve İletken Kesit Hesaplama",
         {QStringLiteral("Form31"), {QStringLiteral("Command2")}, {QStringLiteral("Command8")}}},
        {"KAPAT", {}}, // the exit question, below,
        {"Eş Değer Direnç , Bobin ve Kondansatör  Hesaplama ve Üçgen-Yıldız,Yıldız-Üçgen "
         "Dönüşümleri",
         {QStringLiteral("Form14")}},
        {"Bara Hesaplama", {QStringLiteral("Form53")}},
        {"Kondansatör Kodları Okuma", codeMenuOpening(CodeMenu::Capacitors)},
        {"Orta Gerilim Hesaplamaları", toolGroupOpening(ToolGroup::MediumVoltage)},
        {"Alçak Gerilim Hesaplamaları", {QStringLiteral("Form23")}},
        {"Trifaze Jeneratör Hesaplama",
         {QStringLiteral("Form34"), {QStringLiteral("Command2")}, {QStringLiteral("Command11")}}},
        {"LED'e Bağlanacak Seri Direnç'i Hesaplama", {QStringLiteral("Form15")}},
        {"Bobin Hesaplamaları", toolGroupOpening(ToolGroup::Coils)},
        {"Topraklama Hesaplama", {QStringLiteral("Form36")}},
        {"Elektronik Elemanların Kataloğlarını İnternet'te Arama", {QStringLiteral("Form20")}},
        {"Şebeke Dağıtım Elemanları Hesaplamaları", toolGroupOpening(ToolGroup::Distribution)},
        {"Kablolar İle İlgili Diğer Hesaplamalar", toolGroupOpening(ToolGroup::Cables)},
        {"İletkenlerin Direnç Değerlerinin Sıcaklıkla Değişimini Hesaplama ",
         {QStringLiteral("Form28"), {QStringLiteral("Command3")}, {QStringLiteral("Command4")}}},
        {"Kurulu Güç ve Talep Güç Hesaplama", {QStringLiteral("Form44")}},
        {"Aydınlatma Hesaplama", {QStringLiteral("Form49")}},
        {"Basit Elektrik Tüketim Hesaplama", {QStringLiteral("Form51")}},
    };
    int index = 0;
    for (const auto& button : buttons) {
        const QString name = QStringLiteral("Command%1").arg(index + 1);
        const QString caption = QString::fromUtf8(button.caption);
        QPushButton* command = button.opening.form.isEmpty()
                                   ? gui::makeButton(name, caption)
                                   : makeOpeningButton(this, name, caption, button.opening);
        // Two columns, read row by row in the order of the buttons' numbers.
        grid->addWidget(command, index / 2, index % 2);
        ++index;
    }
}

} // namespace voltaris::app
