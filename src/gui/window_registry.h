// Every window exists at most once, keyed by its form name ("Form9"). It is created the first time
// anything asks for it (its constructor is its load step), its opening controls are connected
// then (gui/openings.h), and afterwards it is only shown and hidden.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <map>

class QWidget;

namespace voltaris::gui {

class WindowRegistry {
public:
    using Factory = std::function<QWidget*()>;

    static WindowRegistry& instance();

    // Makes the window class known by its form name, `Window::kForm`.
    template <class Window> void add() {
        add(Window::kForm, [] { return new Window; });
    }
    // Makes `form` known; its window is built by `factory` on first use and must carry `form` as
    // its object name.
    void add(const QString& form, Factory factory);
    bool has(const QString& form) const;
    // The forms made known, in form-name order.
    QStringList known() const;
    // The window, created now if it was not yet; nullptr for a form this program does not have.
    QWidget* window(const QString& form);
    // The window if it was created, else nullptr.
    QWidget* existing(const QString& form) const;
    // The forms whose windows exist, in the order they were created.
    QStringList created() const { return order_; }
    // Destroys every created window (the factories stay): a fresh start for tests.
    void destroyAll();

private:
    std::map<QString, Factory> factories_;
    std::map<QString, QWidget*> windows_;
    QStringList order_;
};

// Shorthand for WindowRegistry::instance().window(form).
QWidget* window(const QString& form);

} // namespace voltaris::gui
