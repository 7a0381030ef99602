// The one seam through which every dialog of the program passes: message boxes, Yes/No
// questions, input prompts and the save-file dialog. The program installs Qt's dialogs; tests and
// the scenario runner install their own answers, so nothing ever blocks on a modal box.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace voltaris::gui {

enum class BoxIcon { None, Information, Exclamation, Question };

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A box with one OK button.
    virtual void message(QWidget* parent, const QString& title, const QString& text,
                         BoxIcon icon) = 0;
    // A Yes/No box ("Evet"/"Hayır"); true for Yes.
    virtual bool question(QWidget* parent, const QString& title, const QString& text,
                          BoxIcon icon) = 0;
    // A one-value input prompt; nothing when cancelled.
    virtual std::optional<QString> prompt(QWidget* parent, const QString& title,
                                          const QString& text) = 0;
    // The save-file dialog (it confirms an overwrite itself); nothing when cancelled.
    virtual std::optional<QString> saveFile(QWidget* parent, const QString& title,
                                            const QString& filter,
                                            const QString& suggestedName) = 0;

    // The dialogs in use: Qt's unless another set was installed.
    static Dialogs& current();
    // Installs `dialogs` (not owned) in place of Qt's; nullptr goes back to Qt's.
    static void install(Dialogs* dialogs);
};

// The application's title, used by boxes and prompts that have no title of their own.
inline const QString kApplicationTitle = QStringLiteral("VOLTARIS");

} // namespace voltaris::gui
