#include "app/startup.h"

#include "app/main_menu.h"
#include "app/settings.h"
#include "core/shell/shell_texts.h"
#include "gui/dialogs.h"
#include "gui/forms.h"
#include "gui/pictures.h"
#include "gui/text.h"
#include "gui/window_registry.h"

#include <QApplication>

namespace voltaris::app {

using gui::qs;

namespace {

// The first-run setup. On this platform there are no interface component files to install and
// register, and there is no registry holding the user's decimal symbol: Voltaris reads and writes
// numbers with "." itself, whatever the user's locale. So the setup only records that it was
// done and changes nothing else on the user's system.
void runSetup() {
    storeNumber(kSetupDoneKey, storedNumber(kSetupDoneKey) + 1);
}

} // namespace

bool startUp() {
    QApplication::setWindowIcon(gui::programIcon());
    // Ties the windows to the installed desktop entry, so task lists show its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.voltaris.Voltaris"));
    bool setupRun = false;
    if (storedNumber(kSetupDoneKey) < 1) {
        // "Hayır" leaves the counter as it was: the question comes back at the next start.
        setupRun = gui::Dialogs::current().question(
            nullptr, qs(shell::kSetupTitle), qs(shell::kSetupQuestion), gui::BoxIcon::Question);
        if (setupRun)
            runSetup();
    }
    auto* menu = static_cast<MainMenuWindow*>(gui::window(gui::forms::kMainMenu));
    if (!menu->load())
        return false;
    menu->show();
    if (setupRun)
        gui::Dialogs::current().message(menu, qs(shell::kSetupTitle), qs(shell::kSetupDone),
                                        gui::BoxIcon::Information);
    return true;
}

} // namespace voltaris::app
