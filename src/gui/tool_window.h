// The base of every Voltaris window: its form name as object name, its title, and how it was
// opened. Every opening sets the mode afresh: opened as a tool (from a menu, or in place of
// another tool) its "Ana Menüye Dön" shows; opened as a companion beside another tool its
// "Bu Bölümü Kapat" shows instead, and it leaves with that tool. A window leaving closes the
// companions it opened; the title bar's close button does what the visible leaving button does.
#pragma once

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

class QCloseEvent;
class QPushButton;

namespace voltaris::gui {

inline const QString kLeaveTip = QStringLiteral("Bu Bölümü Kapatır");

// What an opener adjusts right after the window shows: its caption, controls shown and hidden,
// option buttons chosen, the tab page in front.
struct Adjustments {
    QString caption = {};
    QStringList shown = {};
    QStringList hidden = {};
    QStringList selected = {};
    int page = -1; // -1: the page it is on
};

class ToolWindow : public QWidget {
    Q_OBJECT
public:
    ToolWindow(const QString& form, const QString& title);

    // Shown as a tool: "Ana Menüye Dön" and the controls hidden while a companion show,
    // "Bu Bölümü Kapat" hides.
    void openAsTool();
    // Shown beside `opener`: "Bu Bölümü Kapat" shows, "Ana Menüye Dön" and the controls named by
    // hideWhenCompanion hide; the window leaves when `opener` leaves.
    void openAsCompanion(ToolWindow* opener);
    bool isCompanion() const { return !opener_.isNull(); }
    // Applies an opener's adjustments; a window whose controls follow its opener otherwise (a
    // section menu) overrides it.
    virtual void adjust(const Adjustments& adjustments);
    // Brings tab page `page` of `SSTab1` to the front.
    virtual void showPage(int page);

    // "Ana Menüye Dön": the main menu shows, this window and its companions hide.
    void returnToMainMenu();
    // "Bu Bölümü Kapat": this window and its companions hide; the opener stays as it is.
    void closeCompanion();
    // Hides this window and the companions it opened: it makes way for another tool.
    void leave();

    // "Ana Menüye Dön", connected to returnToMainMenu.
    QPushButton* makeReturnButton(const QString& name, const QString& toolTip = kLeaveTip);
    // "Bu Bölümü Kapat", connected to closeCompanion; hidden until a companion opening.
    QPushButton* makeCompanionCloseButton(const QString& name, const QString& toolTip = kLeaveTip);
    // Controls a companion does not offer (the one that opens another window in its place).
    void hideWhenCompanion(const QList<QWidget*>& controls);

protected:
    void closeEvent(QCloseEvent* event) override;
    // Keeps the minimum size up to the layout and the menu bar.
    bool event(QEvent* event) override;

private:
    void showLeavingButtons(bool companion);

    QPushButton* returnButton_ = nullptr;
    QPushButton* companionClose_ = nullptr;
    QList<QWidget*> hiddenAsCompanion_;
    QPointer<ToolWindow> opener_;
    QList<QPointer<ToolWindow>> companions_;
};

} // namespace voltaris::gui
