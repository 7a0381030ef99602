// The web module: the embedded browser and the network look-ups of the datasheet search window,
// in a library of its own (engine/) that is loaded when that window is first opened. The web
// engine is large; loading it with the program would slow every start for a window few open.
#pragma once

#include "core/shell/datasheet_search.h"

#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

namespace voltaris::gui::web {

// The browser's events, named as the window knows them.
struct BrowserEvents {
    std::function<void(const QUrl&)> beforeNavigate;   // a navigation to this address starts
    std::function<void()> downloadBegin;               // its page is being loaded
    std::function<void()> navigateComplete;            // the navigation reached its page
    std::function<void(const QUrl&)> documentComplete; // the page at this address is complete
    std::function<void(int, int)> progressChange;      // progress of the load, and its maximum
};

// An embedded browser; its widget belongs to the parent it was made with.
class Browser {
public:
    virtual QWidget* widget() = 0;
    virtual void navigate(const QUrl& address) = 0;
    virtual QUrl address() const = 0;
    // Runs `script` in the page shown now.
    virtual void runScript(const QString& script) = 0;

protected:
    virtual ~Browser() = default;
};

class WebModule {
public:
    virtual Browser* makeBrowser(QWidget* parent, BrowserEvents events) = 0;
    // This machine's host name and IPv4 addresses, as the platform tells them now.
    virtual datasheet::NetworkFacts networkFacts() = 0;

protected:
    virtual ~WebModule() = default;
};

// The module's one entry point, `extern "C"`.
inline constexpr char kModuleEntry[] = "voltarisWebModule";
using ModuleEntry = WebModule* (*)();

// The module file: the one named by VOLTARIS_WEB_MODULE, else the one next to the program or in
// its installation's library directory; empty when there is none.
QString webModuleFile();
// The module, loaded on the first call; nullptr with the reason in `error` when it cannot be.
WebModule* loadWebModule(QString* error);

} // namespace voltaris::gui::web
