// The base of every Voltaris window: its form name as object name, its title, the program's icon,
// and the leaving buttons that the title bar's close button stands for.
#pragma once

#include <QList>
#include <QWidget>

class QAbstractButton;
class QCloseEvent;
class QShowEvent;

namespace voltaris::gui {

class ToolWindow : public QWidget {
    Q_OBJECT
public:
    ToolWindow(const QString& formName, const QString& title);

    // Brings tab page `page` to the front; windows with tabs override it.
    virtual void showPage(int page);
    // The companion opening: show, choose the page, show "Bu Bölümü Kapat", hide the rest.
    void showAsCompanion(int page);
    // Presses "Bu Bölümü Kapat", which hides the companion.
    void closeAsCompanion();

protected:
    // `returnButton` is "Ana Menüye Dön"; a window that also serves as a companion names its
    // "Bu Bölümü Kapat" and the buttons a companion hides besides "Ana Menüye Dön".
    void setLeavingButtons(QAbstractButton* returnButton, QAbstractButton* companionClose = nullptr,
                           QList<QAbstractButton*> hiddenAsCompanion = {});
    // The title bar's close button does what the visible leaving button does.
    void closeEvent(QCloseEvent* event) override;
    // The window is never narrower than its menu bar, whose menus all stay in sight.
    void showEvent(QShowEvent* event) override;

private:
    QAbstractButton* returnButton_ = nullptr;
    QAbstractButton* companionClose_ = nullptr;
    QList<QAbstractButton*> hiddenAsCompanion_;
};

} // namespace voltaris::gui
