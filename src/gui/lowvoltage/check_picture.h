// The pictures of a suitability check, drawn crisp at any scale: a grey question mark while the
// check has not been made, a green tick for a suitable outcome and a red cross for an unsuitable
// one. The shapes tell the outcomes apart without their colours, and each picture names its
// meaning in its tool tip.
#pragma once

#include <QWidget>

namespace voltaris::gui {

class CheckPicture : public QWidget {
public:
    enum class Meaning { Unchecked, Suitable, Unsuitable };

    CheckPicture(const QString& name, Meaning meaning, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Meaning meaning_;
};

} // namespace voltaris::gui
