#include "app/startup.h"
#include "gui/window_registry.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The program ends through the exit question only; the notification-area icon keeps it
    // reachable while every window is hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    voltaris::app::registerWindows();
    if (!voltaris::app::startUp())
        return 0;
    const int status = QApplication::exec();
    // Unload every window: the main menu's icon goes and its single-instance lock is released.
    voltaris::gui::WindowRegistry::instance().destroyAll();
    return status;
}
