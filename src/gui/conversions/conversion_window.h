// The two conversion windows ("Birim'ler Arası Çeviri" and "Elektrik Ve Elektronikte
// Kullanılan Kavramlar Arası Dönüşüm") share their build: one tab page per quantity with the unit
// choice, the input, the "Seçilen Birim" label and one result per unit, each page following its
// input and its unit choice at once; and three buttons: "Ana Menüye Dön", "Bu Bölümü Kapat" and the
// one that opens the other conversion window in place of this one.
#pragma once

#include "gui/options.h"
#include "gui/text.h"
#include "gui/tool_window.h"

#include <QStringList>
#include <functional>
#include <iterator>
#include <optional>
#include <stdexcept>

class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QTabWidget;

namespace voltaris::gui {

// What a page's refresh writes: the "Seçilen Birim" text and one text per result field.
struct LiveTexts {
    QString selectedUnit;
    QStringList results;
};

// The texts of a core conversion, whichever window's core made them.
template <typename CoreTexts>
std::optional<LiveTexts> liveTexts(const std::optional<CoreTexts>& texts) {
    if (!texts)
        return std::nullopt;
    LiveTexts live{qs(texts->selectedUnit), {}};
    for (const auto& result : texts->results)
        live.results << qs(result);
    return live;
}

struct PageDescription {
    QString caption;    // the tab's caption
    QString unitsTitle; // the unit choice's frame title
    QList<OptionGroup::Option> units;
    int initialUnit = 0;
    int unitColumns = 1;
    QString input; // "Text1"
    QString inputToolTip;
    // One per unit, in unit order, labelled with the unit's caption; or, on a page whose labels
    // over the input and the result follow the chosen unit, the single result field.
    QStringList results;
    struct UnitLabels {
        QString input;
        QString result;
    };
    QList<UnitLabels> unitLabels; // per unit, on the pages whose labels follow the choice
    // One refresh: the chosen unit's index and the input's text; nothing leaves every field as it
    // is.
    std::function<std::optional<LiveTexts>(int unit, const QString& input)> convert;
};

// A page's control names: its input, then in unit order its unit options and its result fields.
struct PageNames {
    QString input;
    QStringList options;
    QStringList results;
};

// Gives `description` the controls of `names`, each option captioned by the core unit of its
// place in `units`.
template <typename Units>
void nameControls(PageDescription& description, const PageNames& names, const Units& units) {
    if (std::size(units) != static_cast<std::size_t>(names.options.size()))
        throw std::logic_error("a page names another number of options than it has units");
    description.input = names.input;
    description.results = names.results;
    auto name = names.options.cbegin();
    for (const auto& unit : units)
        description.units << OptionGroup::Option{*name++, QString::fromUtf8(unit.caption)};
}

class ConversionPage : public QWidget {
    Q_OBJECT
public:
    // `number` (from 1) names the page's labels; `above` is a further choice shown over the unit
    // choice.
    ConversionPage(int number, const PageDescription& description, QWidget* above = nullptr);

    QLineEdit* input() const { return input_; }
    // Renames a unit: its option, its result field's label and, when chosen, "Seçilen Birim".
    void renameUnit(int index, const QString& caption);

private:
    void refresh();
    void showUnitLabels(int unit);

    PageDescription description_;
    OptionGroup* units_;
    QLabel* inputLabel_;
    QLineEdit* input_;
    QLabel* selectedUnit_;
    QList<QLabel*> resultLabels_;
    QList<QLineEdit*> results_;
};

class ConversionWindow : public ToolWindow {
    Q_OBJECT
protected:
    // `Command3`, with `openOtherCaption`, opens the other conversion window.
    ConversionWindow(const QString& formName, const QString& title, const QString& openOtherCaption,
                     const QString& openOtherToolTip);

    ConversionPage* addPage(const PageDescription& description, QWidget* above = nullptr);
    QMenu* addMenu(const QString& title);

private:
    QMenuBar* menuBar_ = nullptr;
    QTabWidget* tabs_;
    QList<ConversionPage*> pages_;
};

} // namespace voltaris::gui
