// "Elektronik Elemanların Kataloğlarını İnternette Arama": a component code searched on one of
// three datasheet sites, the result page shown in an embedded browser, and this machine's network
// status. The browser comes from the web module, loaded when the window is first opened.
#pragma once

#include "core/shell/datasheet_search.h"
#include "gui/forms.h"
#include "gui/tool_window.h"

#include <QUrl>
#include <string>

class QLabel;
class QLineEdit;
class QProgressBar;
class QStatusBar;

namespace voltaris::gui {

class OptionGroup;

namespace web {
class Browser;
class WebModule;
} // namespace web

class DatasheetWindow : public ToolWindow {
public:
    static inline const QString& kForm = forms::kDatasheetSearch;
    DatasheetWindow();

protected:
    // A click on the window shows the browser's address in the status line.
    void mousePressEvent(QMouseEvent* event) override;

private:
    void search();
    void refreshStatus();
    void documentComplete(const QUrl& address);

    datasheet::Sites sites_;
    QLineEdit* code_;        // Text1
    OptionGroup* siteList_;  // Frame1: Option1 to Option3
    QLabel* address_;        // Label2
    QLabel* connection_;     // Label3
    QWidget* lamp_;          // Shape1
    QStatusBar* status_;     // StatusBar1
    QProgressBar* progress_; // ProgressBar1
    web::WebModule* module_ = nullptr;
    web::Browser* browser_ = nullptr; // WebBrowser1
    // The address a search asked for; with the third site, its home page and the script that
    // fills and submits its form once that page is complete.
    QUrl requested_;
    QString formScript_;
    bool homeStarted_ = false;
    // The platform failure shown last; shown again only after it went away.
    std::string lastFailure_;
};

} // namespace voltaris::gui
