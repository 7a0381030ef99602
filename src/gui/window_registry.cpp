#include "gui/window_registry.h"

#include "gui/openings.h"

#include <QWidget>

namespace voltaris::gui {

WindowRegistry& WindowRegistry::instance() {
    static WindowRegistry registry;
    return registry;
}

void WindowRegistry::add(const QString& form, Factory factory) {
    factories_[form] = std::move(factory);
}

bool WindowRegistry::has(const QString& form) const {
    return factories_.count(form) > 0;
}

QStringList WindowRegistry::known() const {
    QStringList forms;
    for (const auto& [form, factory] : factories_)
        forms.append(form);
    return forms;
}

QWidget* WindowRegistry::window(const QString& form) {
    if (QWidget* existingWindow = existing(form))
        return existingWindow;
    const auto factory = factories_.find(form);
    if (factory == factories_.end())
        return nullptr;
    QWidget* created = factory->second();
    Q_ASSERT(created->objectName() == form);
    windows_[form] = created;
    order_.append(form);
    connectOpenings(created);
    return created;
}

QWidget* WindowRegistry::existing(const QString& form) const {
    const auto found = windows_.find(form);
    return found == windows_.end() ? nullptr : found->second;
}

void WindowRegistry::destroyAll() {
    // Latest first, so that no window outlives one it was built after.
    for (auto form = order_.crbegin(); form != order_.crend(); ++form)
        delete windows_[*form];
    windows_.clear();
    order_.clear();
}

QWidget* window(const QString& form) {
    return WindowRegistry::instance().window(form);
}

} // namespace voltaris::gui
