#include "app/main_menu.h"

#include "app/about_window.h"
#include "app/angle_command.h"
#include "app/section_menus.h"
#include "app/settings.h"
#include "core/shell/shell_texts.h"
#include "gui/dialogs.h"
#include "gui/fields.h"
#include "gui/forms.h"
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
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
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

// The banner moves 50 times a second: its text is drawn once into a picture, and each step only
// copies the picture to its new place instead of laying the text out and drawing it again.
class BannerLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override {
        const qreal ratio = devicePixelRatioF();
        if (picture_.isNull() || picture_.deviceIndependentSize() != QSizeF(size()) ||
            picture_.devicePixelRatio() != ratio || pictureText_ != text()) {
            picture_ = QPixmap(size() * ratio);
            picture_.setDevicePixelRatio(ratio);
            picture_.fill(Qt::transparent);
            QPainter painter(&picture_);
            style()->drawItemText(&painter, rect(),
                                  QStyle::visualAlignment(layoutDirection(), alignment()),
                                  palette(), isEnabled(), text(), foregroundRole());
            pictureText_ = text();
        }
        QPainter(this).drawPixmap(0, 0, picture_);
    }
    void changeEvent(QEvent* event) override {
        QLabel::changeEvent(event);
        picture_ = {}; // drawn again in the new font, colours or state
    }

private:
    QPixmap picture_;
    QString pictureText_;
};

} // namespace

MainMenuWindow::MainMenuWindow() {
    setObjectName(kForm);
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

QWidget* MainMenuWindow::buildBanner() {
    auto* strip = new QWidget;
    banner_ = new BannerLabel(qs(shell::kBannerPrefix) + qs(shell::kCredit), strip);
    banner_->setObjectName(QStringLiteral("Label5"));
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
    trayMenu_->setDefaultAction(about); // drawn in bold
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
                if (reason == QSystemTrayIcon::DoubleClick)
                    trayMenu_->defaultAction()->trigger(); // as "Hakkında" does
            });
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return; // no notification area: the main menu stays in the task list and works as ever
    tray_->show();
    // The icon stands in for the main menu in the task list.
    setWindowFlag(Qt::Tool, true);
}

void MainMenuWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    // The items in menu order; a sub-menu heading starts a sub-menu that lasts until the next
    // separator. The openings table connects each item to what it opens.
    struct Item {
        const char* name; // "" for a separator, "+" for a sub-menu heading
        const char* caption;
    };
    const struct {
        const char* title;
        std::vector<Item> items;
    } menus[] = {
        {"&Direnç Kodları",
         {{"mn_SMDdirenc", "SMD Direnç Okuma"},
          {"", ""},
          {"+", "4 Band Direnç"},
          {"mn_DörtBO", "4 Band Direnç Okuma"},
          {"mn_DörtDB", "4 Band Direnç Renkleri Bulma"},
          {"", ""},
          {"+", "5 Band Direnç"},
          {"mn_BesDO", "5 Band Direnç Okuma"},
          {"mn_BesDB", "5 Band Direnç Renkleri Bulma"},
          {"", ""},
          {"+", "6 Band Direnç"},
          {"mn_AltıDO", "6 Band Direnç Okuma"},
          {"mn_AltıDB", "6 Band Direnç Renkleri Bulma"}}},
        {"&Kondansatör Kodları",
         {{"mn_KonRHO", "Rakam ve Harf Kodu Okuma "}, {"", ""}, {"mn_KonRO", "Renk Kodu Okuma"}}},
        {"&Bobin",
         {{"mn_BOBINRENK", "Bobin Renk Kodu Bölümü"},
          {"", ""},
          {"mn_HAVALIBOBIN", "Hava Nüveli Bobin Hesaplama"}}},
        {"&Alçak Gerilim",
         {{"Mn_GUCAC", "Güçlerin Bir Birine Çevirilmesi"},
          {"", ""},
          {"mn_AltGüc", "Alternatif Akımda Güç Hesaplanması"},
          {"", ""},
          {"mn_GücKat", "Alternatif Akımda Endüktif Alıcının Güç Katsayısının Düzeltilmesi"},
          {"", ""},
          {"mn_TesKom", "Komple Tesis Kompanzasyonu"},
          {"", ""},
          {"mn_gerDüş", "Kablolu Elektrik Hatlarında Gerilim Düşümü"},
          {"", ""},
          {"mn_havai", "Havai Elektrik Hatlarında Gerilim Düşümü"},
          {"", ""},
          {"mn_AGKISADEVRE", "3 Fazlı AG Kısa Devre Hesaplaması"},
          {"", ""},
          {"mn_ElkURET", "Elektrik Üretim Hesaplamaları"}}},
        {"&Orta Gerilim",
         {{"mn_OGGERD", "OG Gerilim Düşümü Hesaplama"},
          {"", ""},
          {"mn_OGKISAD", "OG 3 Faz Kısa Devre Hesabı"}}},
        {"&Ek Hesaplamalar",
         {{"", ""}, {"mn_sigorta", "Sigorta Değeri Hesaplama"},
          {"", ""}, {"mn_elekYard", "Elektrikte Kullanılan Yardımcı Hesaplamalar"},
          {"", ""}, {"mn_ENHSABIT", "Enerji Nakil Hattı Hesaplamaları"},
          {"", ""}, {"mn_AWGtoMetrik", "AWG Metrik Dönüşüm"},
          {"", ""}, {"mn_motor", "Motorlarda Yolverme Donanımları Seçim Bölümü"},
          {"", ""}, {"mn_trafo", "Transformatör Hesabı"},
          {"", ""}, {"mn_DirHesp", "Direnç İle ilgili Hesaplamalar"},
          {"", ""}, {"Mn_REZ", "Isıtıcı Rezıstans Hesaplama"},
          {"", ""}, {"mn_Çeviri", "Birim'ler Arası Çeviri"},
          {"", ""}, {"mn_trigonometri", "Açı Değerinden Trigonometrik Dönüşümler"}}},
        {"&Hakkında", {{"mn_Hakkında", "&Hakkında"}}},
    };
    for (const auto& menu : menus) {
        QMenu* top = bar->addMenu(QString::fromUtf8(menu.title));
        QMenu* current = top;
        for (const Item& item : menu.items) {
            const std::string_view name = item.name;
            if (name.empty()) {
                current = top;
                top->addSeparator();
            } else if (name == "+") {
                current = top->addMenu(QString::fromUtf8(item.caption));
            } else {
                gui::addMenuItem(current, QString::fromUtf8(item.name),
                                 QString::fromUtf8(item.caption));
            }
        }
    }
    // No window: the angle prompt and its message, the main menu staying as it is.
    connect(findChild<QAction*>(QStringLiteral("mn_trigonometri")), &QAction::triggered, this,
            [this] { askAngle(this); });
}

void MainMenuWindow::buildButtons(QGridLayout* grid) {
    // In the order of their numbers; the openings table connects each to what it opens, and
    // "KAPAT" (`Command6`) asks the exit question.
    const char* const captions[] = {
        "Direnç Kodları Okuma",
        "Ohm ve Watt Kanunu",
        "Elektrik ve Elektronik'te Kullanılan Kavramlar Arası Dönüşüm",
        "Bir İletken'in Direncini Hesaplama",
        "Kablo ve İletken Kesit Hesaplama",
        "KAPAT",
        "Eş Değer Direnç , Bobin ve Kondansatör  Hesaplama ve Üçgen-Yıldız,Yıldız-Üçgen "
        "Dönüşümleri",
        "Bara Hesaplama",
        "Kondansatör Kodları Okuma",
        "Orta Gerilim Hesaplamaları",
        "Alçak Gerilim Hesaplamaları",
        "Trifaze Jeneratör Hesaplama",
        "LED'e Bağlanacak Seri Direnç'i Hesaplama",
        "Bobin Hesaplamaları",
        "Topraklama Hesaplama",
        "Elektronik Elemanların Kataloğlarını İnternet'te Arama",
        "Şebeke Dağıtım Elemanları Hesaplamaları",
        "Kablolar İle İlgili Diğer Hesaplamalar",
        "İletkenlerin Direnç Değerlerinin Sıcaklıkla Değişimini Hesaplama ",
        "Kurulu Güç ve Talep Güç Hesaplama",
        "Aydınlatma Hesaplama",
        "Basit Elektrik Tüketim Hesaplama",
    };
    int index = 0;
    for (const char* caption : captions) {
        QPushButton* command =
            gui::makeButton(QStringLiteral("Command%1").arg(index + 1), QString::fromUtf8(caption));
        // Two columns, read row by row in the order of the buttons' numbers.
        grid->addWidget(command, index / 2, index % 2);
        ++index;
    }
}

} // namespace voltaris::app
