// An option group: a titled frame of option buttons, exactly one of them chosen.
#pragma once

#include <QGroupBox>
#include <QList>

class QButtonGroup;
class QRadioButton;

namespace voltaris::gui {

class OptionGroup : public QGroupBox {
    Q_OBJECT
public:
    struct Option {
        QString name;    // "Option5"
        QString caption; // "Metre(m)"
        QString toolTip = {};
    };

    // The options fill `columns` columns, each top to bottom; `initial` is chosen.
    OptionGroup(const QString& title, const QList<Option>& options, int initial = 0,
                int columns = 1);

    int chosen() const;
    void choose(int index);
    // Renames an option (its caption and its accessible name).
    void setCaption(int index, const QString& caption);

signals:
    // The user (or the program) chose another option.
    void chosenChanged(int index);

private:
    QButtonGroup* group_;
    QList<QRadioButton*> buttons_;
};

} // namespace voltaris::gui
