// "Sigorta Değeri Hesaplama": the standard fuse ratings for a load by the line's current-carrying
// capacity, by the load current and by the over-current factor of the fuse type.
#pragma once

#include "core/lowvoltage/fuse_rating.h"
#include "gui/forms.h"
#include "gui/tool_window.h"

class QComboBox;
class QLineEdit;

namespace voltaris::gui {

class FuseRatingWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString& kForm = forms::kFuseRating;
    FuseRatingWindow();

private:
    void compute();
    void clear();

    QLineEdit* load_;
    QLineEdit* capacity_;
    QComboBox* fuseType_;
    QComboBox* byLine_;
    QComboBox* byLoad_;
    QComboBox* byFactor_;
};

} // namespace voltaris::gui
