// "Kanal  Hesaplama": the excavation volume of a cable trench, from typed dimensions or from a
// standard channel type whose dimensions a timer keeps in the fields.
#pragma once

#include "core/mediumvoltage/cable_channel.h"
#include "gui/forms.h"
#include "gui/tool_window.h"

class QComboBox;
class QLineEdit;

namespace voltaris::gui {

class ChannelPicture;
class FieldGrid;
class OptionGroup;

class CableChannelWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kCableChannel;
    CableChannelWindow();

private:
    void chooseKind(int index);
    void refreshType();
    void compute();
    void clear();

    OptionGroup* kind_;
    OptionGroup* ground_;
    FieldGrid* typeGrid_;
    QComboBox* type_;
    QLineEdit* bottom_;
    QLineEdit* top_;
    QLineEdit* depth_;
    QLineEdit* length_;
    QLineEdit* perMetre_;
    QLineEdit* total_;
    ChannelPicture* picture_;
};

} // namespace voltaris::gui
