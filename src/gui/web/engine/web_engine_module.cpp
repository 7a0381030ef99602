// The web module on Qt WebEngine and Qt Network (see gui/web/web_module.h).

#include "gui/web/web_module.h"

#include <QHostInfo>
#include <QNetworkInterface>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <cerrno>
#include <unistd.h>

// The web engine's own start-up step, which Qt WebEngine runs before the application object
// exists when it is linked to the program: the OpenGL context its pages share, made and made
// global. Loaded after the application started, the module runs it itself before the first page.
// Exported by Qt WebEngine Core, though declared in no public header.
namespace QtWebEngineCore {
Q_DECL_IMPORT void initialize();
} // namespace QtWebEngineCore

namespace voltaris::gui::web {
namespace {

class EngineBrowser : public QWebEngineView, public Browser {
public:
    EngineBrowser(QWidget* parent, BrowserEvents events)
        : QWebEngineView(parent), events_(std::move(events)) {
        connect(page(), &QWebEnginePage::loadingChanged, this,
                [this](const QWebEngineLoadingInfo& loading) {
                    if (loading.status() != QWebEngineLoadingInfo::LoadStartedStatus)
                        return;
                    committed_ = false;
                    events_.beforeNavigate(loading.url());
                });
        // Until the navigation reaches its page, each progress report says that it is loading.
        connect(this, &QWebEngineView::loadProgress, this, [this](int progress) {
            if (!committed_)
                events_.downloadBegin();
            events_.progressChange(progress, 100);
        });
        connect(this, &QWebEngineView::urlChanged, this, [this] {
            committed_ = true;
            events_.navigateComplete();
        });
        connect(this, &QWebEngineView::loadFinished, this,
                [this] { events_.documentComplete(url()); });
    }

    QWidget* widget() override { return this; }
    void navigate(const QUrl& address) override { load(address); }
    QUrl address() const override { return url(); }
    void runScript(const QString& script) override { page()->runJavaScript(script); }

private:
    BrowserEvents events_;
    bool committed_ = false;
};

class EngineModule : public WebModule {
public:
    Browser* makeBrowser(QWidget* parent, BrowserEvents events) override {
        // The browser's sandbox cannot run for the administrator; without this the engine would
        // end the whole program the moment the window opens.
        if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
            qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        QtWebEngineCore::initialize(); // once; it does nothing the second time
        return new EngineBrowser(parent, std::move(events));
    }

    datasheet::NetworkFacts networkFacts() override {
        datasheet::NetworkFacts facts;
        errno = 0;
        facts.hostName = QHostInfo::localHostName().toStdString();
        facts.hostNameError = errno;
        for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
            if (!interface.flags().testFlags(QNetworkInterface::IsUp |
                                             QNetworkInterface::IsRunning))
                continue;
            for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
                const QHostAddress address = entry.ip();
                if (address.protocol() == QAbstractSocket::IPv4Protocol)
                    facts.addresses.push_back(
                        {address.toString().toStdString(), address.isLoopback()});
            }
        }
        return facts;
    }
};

} // namespace
} // namespace voltaris::gui::web

extern "C" Q_DECL_EXPORT voltaris::gui::web::WebModule* voltarisWebModule() {
    static voltaris::gui::web::EngineModule module;
    return &module;
}
