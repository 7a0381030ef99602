#include "gui/options.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace voltaris::gui {

OptionGroup::OptionGroup(const QString& title, const QList<Option>& options, int initial,
                         int columns)
    : QGroupBox(title), group_(new QButtonGroup(this)) {
    setAccessibleName(title);
    auto* grid = new QGridLayout(this);
    const int rows = (static_cast<int>(options.size()) + columns - 1) / columns;
    for (int index = 0; index < options.size(); ++index) {
        const Option& option = options[index];
        auto* button = new QRadioButton(option.caption);
        button->setObjectName(option.name);
        button->setAccessibleName(option.caption);
        button->setToolTip(option.toolTip);
        group_->addButton(button, index);
        buttons_.append(button);
        grid->addWidget(button, index % rows, index / rows);
    }
    choose(initial);
    connect(group_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked)
            emit chosenChanged(index);
    });
}

int OptionGroup::chosen() const {
    return group_->checkedId();
}

void OptionGroup::choose(int index) {
    buttons_.at(index)->setChecked(true);
}

void OptionGroup::setCaption(int index, const QString& caption) {
    buttons_.at(index)->setText(caption);
    buttons_.at(index)->setAccessibleName(caption);
}

} // namespace voltaris::gui
