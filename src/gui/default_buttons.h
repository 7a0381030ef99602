// The default and cancel buttons of a window's tab pages: Enter presses the default button and
// Escape the cancel button of the page in front, wherever the focus is in the window, a numeric
// field included (whose key filter would otherwise type a "." for them). A focused command
// button takes Enter itself.
#pragma once

#include <QList>
#include <QObject>

class QPushButton;
class QTabWidget;
class QWidget;

namespace voltaris::gui {

class DefaultButtons : public QObject {
public:
    struct Page {
        QPushButton* enter;  // the default button
        QPushButton* escape; // the cancel button
    };

    // `pages` holds one pair per page of `tabs`, in page order. Made after the window's fields,
    // so that it sees their keys before their key filters do.
    DefaultButtons(QWidget* window, QTabWidget* tabs, QList<Page> pages);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(int page);

    QWidget* window_;
    QList<Page> pages_;
    Page current_{};
};

} // namespace voltaris::gui
