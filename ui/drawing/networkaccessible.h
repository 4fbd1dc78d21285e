#pragma once

#include <QAccessibleWidget>
#include <QPointF>
#include <QRect>
#include <QString>
#include <vector>

namespace trayeko::ui {

// A widget that paints a picture made of elements (nodes and links), read to assistive technology
// element by element: each one a child of its own with its name, description, place on the screen
// and highlighted state (as "selected"), ahead of the widget's real children. A picture widget
// registers a subclass through a QAccessible factory and says what its elements are.
class DrawingAccessible : public QAccessibleWidget
{
public:
    DrawingAccessible(QWidget* widget, QAccessible::Role role);
    ~DrawingAccessible() override;

    virtual int elementCount() const = 0;
    virtual QString elementName(int index) const = 0;
    virtual QString elementDescription(int index) const = 0;
    // Where the element lies, in the widget's coordinates.
    virtual QRect elementRect(int index) const = 0;
    // Whether @p point (the widget's coordinates) lies on the element itself, not only inside its
    // bounding box; the box is enough unless a subclass knows better.
    virtual bool elementHit(int index, QPointF point) const;
    virtual bool elementHighlighted(int index) const = 0;
    // Whether the element holds the keyboard's focus, where a picture lets the keyboard select
    // its elements; none does unless a subclass says so.
    virtual bool elementFocused(int index) const;
    // A drawn shape unless a subclass says otherwise (a title, an axis).
    virtual QAccessible::Role elementRole(int index) const;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    // Real children lie over the picture and are found first; among the elements the first in
    // order wins, so list what is painted on top first.
    QAccessibleInterface* childAt(int x, int y) const override;

    // Whether @p p lies on the line from @p a to @p b, give or take its pen and a little for the
    // hand: the hit test of a drawn link.
    static bool nearLine(QPointF p, QPointF a, QPointF b);

    // The interface of element @p index, made on first use and kept until the widget goes.
    QAccessibleInterface* element(int index) const;

private:
    mutable std::vector<QAccessible::Id> m_ids;
};

class NetworkView;

// Makes the drawing readable by assistive technology: registers its accessible interface, which
// lists every node and link as a child with its highlighted state and sums up the highlighted
// route in the drawing's description, names the weight boxes ("Bobot jalur 1" ...), and tells
// assistive technology of every colour change of the drawing from then on. Whoever puts a
// drawing on screen calls it once.
void makeAccessible(NetworkView& view);

// The sentence the drawing's description gives for its highlighted elements, such as
// "Lintasan terpilih: simpul 1, 3, 5, 7 lewat jalur 2, 7, 13".
QString highlightedRouteText(const NetworkView& view);

} // namespace trayeko::ui
