// Drawings of components, crisp at any scale: a resistor body with its leads and colour bands,
// ceramic and electrolytic capacitors, and a coil (an air-core winding, or a banded inductor).
// A window that shows band colours lays Swatch children (gui/fields.h) over bandRect(i).
#pragma once

#include <QColor>
#include <QIcon>
#include <QList>
#include <QWidget>

namespace voltaris::gui {

enum class Component {
    Resistor,              // horizontal body with leads left and right
    CeramicCapacitor,      // an upright dipped disc with two leads down
    ElectrolyticCapacitor, // an upright can with its minus stripe and two leads down
    FilmCapacitor,         // an upright polyester (film) block with two leads down
    TantalumCapacitor,     // an upright dipped drop with two leads down
    Coil,                  // without bands an air-core winding, with bands an inductor body
    SmdResistor,           // a chip with metal ends and its printed code
};

// The program's icon, used by every window and by the notification-area icon: a lightning bolt
// on a blue disc, the same picture the desktop menu shows.
QIcon programIcon();

class ComponentPicture : public QWidget {
public:
    // `bands` colour bands on the body (0 for none). A resistor's or a coil's last band stands
    // apart at the right end, as on real parts; a capacitor's bands are stripes from the top.
    ComponentPicture(const QString& name, Component kind, int bands = 0, QWidget* parent = nullptr);

    Component kind() const { return kind_; }
    void setKind(Component kind);
    int bandCount() const { return bands_; }
    void setBandCount(int bands);
    // Colours painted into the bands by the picture itself (an illustration); bands without a
    // colour are drawn as empty outlines, ready for a Swatch on top.
    void setBandColours(const QList<QColor>& colours);
    // The code the picture itself prints on an SMD chip (none unless set).
    void setCode(const QString& code);

    // Where band `index` (0 = first, leftmost or topmost) lies, in this widget's coordinates;
    // it follows the widget's size. An empty rectangle for an index out of range.
    QRect bandRect(int index) const;
    // Makes `overlay` (typically a Swatch) a child that covers band `index` and follows it
    // whenever the picture is resized.
    void placeOnBand(int index, QWidget* overlay);
    // Moves an overlay placed with placeOnBand to band `index`.
    void moveOverlay(QWidget* overlay, int index);
    // Makes `overlay` (text printed on the part) a child that covers the body and follows it.
    void placeOnBody(QWidget* overlay);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The part of the widget the drawing fills, keeping the component's proportions.
    QRectF drawingArea() const;
    // The body between the leads.
    QRectF bodyRect() const;
    QRectF bandRectF(int index) const;
    // The chip between the metal ends of an SMD resistor.
    QRectF chipRect() const;
    void placeOverlays();

    Component kind_;
    int bands_;
    QList<QColor> colours_;
    QString code_;
    QList<QPair<int, QWidget*>> overlays_;
    QList<QWidget*> bodyOverlays_;
};

} // namespace voltaris::gui
