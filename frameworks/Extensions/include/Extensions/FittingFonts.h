#pragma once

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QSize>

#include <functional>
#include <utility>
#include <vector>

class QWidget;

namespace Extensions {

// Grows the text of an area (a window's central widget, with a layout) with the area, so that a
// window filling a screen reads from across a room. The area's natural size is its layout's
// minimum with the fonts as given; the area is never allowed smaller. Larger, every font grows
// by the largest factor at which the natural size grown by it still fits, width and height
// both, in steps of 1/32; back at the natural size the fonts are as given again. Only the
// text grows, not the margins between, so the contents always fit with room to spare.
// Fonts change only when the area is resized or its contents change size, never otherwise:
// new texts that keep their widgets' sizes cost nothing here.
class FittingFonts : public QObject
{
public:
    // scaled: the area itself, whose font the widgets without one of their own inherit, and
    // the widgets with a font of their own. realign: run after each change of fonts, before
    // the area is measured (to line up columns that depend on the text's width).
    FittingFonts(QWidget &area, const QList<QWidget *> &scaled, std::function<void()> realign);

    qreal factor() const { return m_factor; }
    QSize naturalSize() const { return m_natural; }

    // Measures the natural size of the contents as they are now, keeping the factor: for a
    // change of contents that its caller then makes room for (as opening a section does).
    void remeasure();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void apply(qreal factor);
    void fit(const QSize &room);
    // The area's minimum size with the current fonts, nested layouts brought up to date first.
    QSize contentsMinimum() const;

    QWidget &m_area;
    // Each widget with its font as given, and whether that font was its own or inherited.
    std::vector<std::pair<QPointer<QWidget>, std::pair<QFont, bool>>> m_given;
    std::function<void()> m_realign;
    qreal m_factor = 1;
    QSize m_natural;
    QSize m_measured; // contentsMinimum() when last fitted: another value means the contents changed
};

} // namespace Extensions
