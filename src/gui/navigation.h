// How windows open and leave each other: a tool opened from a menu replaces the menu, "Ana Menüye
// Dön" brings the main menu back, and a companion is shown beside the tool that opened it.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace voltaris::gui {

inline const QString kMainMenuForm = QStringLiteral("Form1");

// Shows the window of `form`, then hides `opener`; returns the window.
QWidget* openTool(QWidget* opener, const QString& form);
// Shows the main menu, then hides `tool`.
void returnToMainMenu(QWidget* tool);
// Shows the window of `form` as a companion on tab page `page` (-1: the page it is on): its
// "Bu Bölümü Kapat" shows and its "Ana Menüye Dön" hides; the caller stays as it is.
QWidget* openCompanion(const QString& form, int page = -1);
// Presses "Bu Bölümü Kapat" of the companion `form`, if its window was built: a tool leaving
// takes the companion it opened along.
void closeCompanion(const QString& form);
// Shows and hides controls of `window` by object name: the "with" adjustments of an opener.
void adjustControls(QWidget* window, const QStringList& shown, const QStringList& hidden);

} // namespace voltaris::gui
