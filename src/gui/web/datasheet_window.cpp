#include "gui/web/datasheet_window.h"

#include "gui/colours.h"
#include "gui/dialogs.h"
#include "gui/fields.h"
#include "gui/live.h"
#include "gui/options.h"
#include "gui/text.h"
#include "gui/web/web_module.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace voltaris::gui {

namespace {

const QColor kLampOn(0, 192, 0);

// The sites to search: the real ones, or the developer's local copies named by
// VOLTARIS_DATASHEET_SITES ("base1,base2,base3").
datasheet::Sites chosenSites() {
    const QByteArray redirect = qgetenv("VOLTARIS_DATASHEET_SITES");
    if (!redirect.isEmpty())
        if (const auto sites = datasheet::RedirectedSites(redirect.toStdString()))
            return *sites;
    return datasheet::DefaultSites();
}

// An address as the user typed it, no escaping of our own.
QUrl addressOf(const std::string& address) {
    return QUrl(qs(address), QUrl::TolerantMode);
}

} // namespace

DatasheetWindow::DatasheetWindow()
    : ToolWindow(kForm, QStringLiteral("Elektronik Elemanların Kataloğlarını İnternette Arama")),
      sites_(chosenSites()) {
    auto* layout = new QVBoxLayout(this);

    QList<OptionGroup::Option> options;
    for (std::size_t site = 0; site < sites_.size(); ++site)
        options.append({QStringLiteral("Option%1").arg(site + 1), qs(sites_[site].caption)});
    siteList_ = new OptionGroup(QStringLiteral("Arama Yapılacak WebSite İsmini Seçiniz"), options,
                                0, int(sites_.size()));
    siteList_->setObjectName(QStringLiteral("Frame1"));
    layout->addWidget(siteList_);

    auto* searchRow = new QHBoxLayout;
    const QString codeLabel = QStringLiteral("Aranacak Elemanın Kodunu Giriniz");
    auto* codeCaption = new QLabel(codeLabel);
    code_ = new QLineEdit;
    code_->setObjectName(QStringLiteral("Text1"));
    code_->setAccessibleName(codeLabel);
    code_->setToolTip(codeLabel);
    codeCaption->setBuddy(code_);
    searchRow->addWidget(codeCaption);
    searchRow->addWidget(code_, 1);
    layout->addLayout(searchRow);

    auto* networkRow = new QHBoxLayout;
    lamp_ = new Swatch(QStringLiteral("Shape1"), nullptr, Swatch::Form::Circle);
    lamp_->setAccessibleName(QStringLiteral("İnternet Bağlantısı"));
    lamp_->setFixedSize(fontMetrics().height(), fontMetrics().height());
    address_ = makeLabel(QStringLiteral("Label2"), QStringLiteral("IP Adres"));
    connection_ = makeLabel(QStringLiteral("Label3"), QStringLiteral("İnternet varmı/yokmu ?"));
    networkRow->addWidget(lamp_);
    networkRow->addWidget(address_, 1);
    networkRow->addWidget(connection_);
    layout->addLayout(networkRow);

    status_ = new QStatusBar;
    status_->setObjectName(QStringLiteral("StatusBar1"));
    status_->setSizeGripEnabled(false);
    progress_ = new QProgressBar;
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    progress_->setAccessibleName(QStringLiteral("Yükleme"));
    progress_->setRange(0, 100);
    progress_->setValue(0);
    status_->addPermanentWidget(progress_);

    auto* find = makeButton(QStringLiteral("Command1"), QStringLiteral("ARA"));
    QString problem;
    module_ = web::loadWebModule(&problem);
    if (module_) {
        browser_ = module_->makeBrowser(
            this,
            {[this](const QUrl& address) {
                 status_->showMessage(QStringLiteral("Sayfaya Bağlanıyor...") + address.toString());
                 if (!formScript_.isEmpty() && address == requested_)
                     homeStarted_ = true;
             },
             [this] { status_->showMessage(QStringLiteral("Yükleniyor")); },
             [this] { status_->showMessage(QStringLiteral("Aktif sayfa :")); },
             [this](const QUrl& address) { documentComplete(address); },
             [this](int done, int maximum) {
                 if (maximum > 0)
                     progress_->setValue(done * 100 / maximum);
             }});
        QWidget* view = browser_->widget();
        view->setObjectName(QStringLiteral("WebBrowser1"));
        view->setMinimumSize(640, 400);
        layout->addWidget(view, 1);
    } else {
        // A broken installation: the window stays usable for its network status.
        layout->addStretch(1);
        find->setEnabled(false);
    }

    layout->addLayout(makeButtonRow({find}, {makeReturnButton(QStringLiteral("Command2"))}));

    layout->addWidget(status_);
    if (!module_)
        status_->showMessage(QStringLiteral("Web tarayıcı bileşeni yüklenemedi: ") + problem);

    connect(find, &QPushButton::clicked, this, &DatasheetWindow::search);
    // Once a second while the window is shown: the address and the connection change seldom,
    // and asking the platform costs time.
    new WindowTimer(
        this, QStringLiteral("Timer1"), [this] { refreshStatus(); }, 1000);
    code_->setFocus();
}

void DatasheetWindow::mousePressEvent(QMouseEvent* event) {
    if (browser_)
        status_->showMessage(browser_->address().toString());
    ToolWindow::mousePressEvent(event);
}

void DatasheetWindow::search() {
    const int caret = code_->cursorPosition();
    const QString code = code_->text().toUpper();
    code_->setText(code);
    code_->setCursorPosition(std::min(caret, int(code.size())));

    const auto site = std::size_t(siteList_->chosen());
    const datasheet::Search request = datasheet::SearchFor(sites_, site, utf8(code));
    requested_ = addressOf(request.address);
    formScript_ = qs(request.formScript);
    homeStarted_ = false;
    browser_->navigate(requested_);
}

// The third site's form is filled once its home page is complete: the wait is the browser's own
// signal, the window stays responsive meanwhile.
void DatasheetWindow::documentComplete(const QUrl& address) {
    status_->showMessage(address.toString());
    if (!homeStarted_)
        return;
    browser_->runScript(formScript_);
    formScript_.clear();
    homeStarted_ = false;
}

void DatasheetWindow::refreshStatus() {
    if (!module_)
        return;
    const datasheet::NetworkStatus status = datasheet::StatusOf(module_->networkFacts());
    writeResult(address_, qs(status.ipLine));
    writeResult(connection_, qs(status.connection));
    setMeaningColour(lamp_, status.connected ? kLampOn : kRed);
    // A failure is told once, when it begins, not at every refresh while it lasts (nor at the
    // refreshes while its box is open).
    const bool begins = !status.failure.empty() && status.failure != lastFailure_;
    lastFailure_ = status.failure;
    if (begins)
        Dialogs::current().message(this, kApplicationTitle, qs(status.failure), BoxIcon::None);
}

} // namespace voltaris::gui
