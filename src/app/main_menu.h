// "Voltaris-Ana Menü": the buttons and menus that open every tool, the scrolling banner, the
// status bar, the notification-area icon with its pop-up menu, and the exit question.
#pragma once

#include "gui/forms.h"

#include <QMainWindow>
#include <memory>

class QAction;
class QGridLayout;
class QLabel;
class QLockFile;
class QMenu;
class QSystemTrayIcon;
class QTimer;

namespace voltaris::app {

class MainMenuWindow : public QMainWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = gui::forms::kMainMenu;
    MainMenuWindow();
    ~MainMenuWindow() override;

    // The rest of the main menu's load step: refuses a second running instance (the warning box,
    // then false: the program must end, nothing stored), counts the run, adds the notification-
    // area icon and leaves the task list where the platform allows it.
    bool load();

    // "Programdan Çıkmak İstiyormusunuz?": "Hayır" shows the main menu again, "Evet" ends the
    // program.
    void askToExit();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildMenus();
    void buildButtons(QGridLayout* grid);
    QWidget* buildBanner();
    void buildStatusBar();
    void buildTrayMenu();
    void addTrayIcon();
    void moveBanner();
    // Removes the icon, hides every window and leaves the event loop; the windows are unloaded
    // when the program ends.
    void leave();

    QLabel* banner_ = nullptr;
    QTimer* bannerTimer_ = nullptr;
    int bannerLeftTwips_ = 0;
    QLabel* date_ = nullptr;
    QMenu* trayMenu_ = nullptr;
    QAction* minimise_ = nullptr; // "snor"
    QAction* restore_ = nullptr;  // "ekran"
    QSystemTrayIcon* tray_ = nullptr;
    std::unique_ptr<QLockFile> instanceLock_;
};

} // namespace voltaris::app
