#include "app/startup.h"
#include "gui/forms.h"
#include "gui/window_registry.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

// Ends the program once the main menu has been painted: set VOLTARIS_QUIT_WHEN_SHOWN to time a
// start to a shown main menu and back out (scripts/bench).
class QuitWhenPainted : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window()->objectName() ==
                voltaris::gui::forms::kMainMenu) {
            qApp->removeEventFilter(this);
            // Once the paint is shown, out of the event loop as the exit question's "Evet" leaves
            // it, without asking the windows to close.
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return false;
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The program ends through the exit question only; the notification-area icon keeps it
    // reachable while every window is hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    if (qEnvironmentVariableIsSet("VOLTARIS_QUIT_WHEN_SHOWN"))
        application.installEventFilter(new QuitWhenPainted(&application));
    voltaris::app::registerWindows();
    if (!voltaris::app::startUp())
        return 0;
    const int status = QApplication::exec();
    // Unload every window: the main menu's icon goes and its single-instance lock is released.
    voltaris::gui::WindowRegistry::instance().destroyAll();
    return status;
}
