#include "app/angle_command.h"

#include "core/conversions/trigonometry.h"
#include "gui/dialogs.h"
#include "gui/messages.h"

namespace voltaris::app {

using gui::qs;

void askAngle(QWidget* parent, bool table) {
    gui::PromptWarning(parent, [parent, table] {
        const double degrees = gui::PromptNumber(
            parent, QString::fromUtf8(trigonometry::kAnglePrompt.data(),
                                      qsizetype(trigonometry::kAnglePrompt.size())));
        gui::Dialogs::current().message(parent, gui::kApplicationTitle,
                                        qs(table ? trigonometry::AngleTableMessage(degrees)
                                                 : trigonometry::AngleMessage(degrees)),
                                        gui::BoxIcon::Information);
    });
}

} // namespace voltaris::app
