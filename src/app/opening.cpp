#include "app/opening.h"

#include "gui/fields.h"
#include "gui/navigation.h"
#include "gui/window_registry.h"

#include <QAbstractButton>
#include <QPushButton>

namespace voltaris::app {

QWidget* openFrom(QWidget* menu, const Opening& opening) {
    QWidget* window = gui::openTool(menu, opening.form);
    gui::adjustControls(window, opening.shown, opening.hidden);
    for (const QString& name : opening.selected)
        if (auto* option = window->findChild<QAbstractButton*>(name))
            option->setChecked(true);
    if (opening.then)
        opening.then(window);
    return window;
}

QPushButton* makeOpeningButton(QWidget* menu, const QString& name, const QString& caption,
                               const Opening& opening, const QString& toolTip) {
    QPushButton* button = gui::makeButton(name, caption, toolTip);
    button->setEnabled(gui::WindowRegistry::instance().has(opening.form));
    QObject::connect(button, &QPushButton::clicked, menu,
                     [menu, opening] { openFrom(menu, opening); });
    return button;
}

} // namespace voltaris::app
