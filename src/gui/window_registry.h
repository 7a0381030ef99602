// Every window exists at most once, keyed by its form name ("Form9"). It is created the first time
// anything asks for it (its constructor is its load step) and afterwards only shown and hidden.
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

    // Makes `form` known; its window is built by `factory` on first use.
    void add(const QString& form, Factory factory);
    bool has(const QString& form) const;
    // The window, created now if it was not yet.
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
