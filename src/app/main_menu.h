// "Voltaris-Ana Menü": the buttons and menus that open every tool.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <functional>

class QAbstractButton;
class QAction;
class QGridLayout;

namespace voltaris::app {

// What an entry of the main menu opens, and the adjustments made right after the window shows.
struct Opening {
    QString form;
    QStringList shown = {};                  // controls made visible
    QStringList hidden = {};                 // controls made invisible
    QStringList selected = {};               // option buttons chosen
    std::function<void(QWidget*)> then = {}; // any further set-up by the opener
};

class MainMenuWindow : public QMainWindow {
    Q_OBJECT
public:
    MainMenuWindow();

    // Opens `opening` as the main menu does: the tool shows, the main menu hides.
    void open(const Opening& opening);

private:
    QAbstractButton* addButton(QGridLayout* grid, int index, const QString& name,
                               const QString& caption, const Opening& opening);
    QAction* addItem(QMenu* menu, const QString& name, const QString& caption,
                     const Opening& opening);
    void buildMenus();
    void buildButtons(QGridLayout* grid);
};

} // namespace voltaris::app
