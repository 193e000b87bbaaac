#pragma once

#include <QList>
#include <QRect>
#include <QRgb>

#include <functional>

class QImage;
class QLineF;
class QPainter;

// How much of each pixel one antialiased shape covers, kept so that the shape can be laid on
// an opaque image for a few instructions a pixel instead of going through the painter each
// time. Pixels are device pixels of the image the shape is laid on.
class CoverageMask
{
public:
    // What `draw` paints in one opaque colour, antialiased, on an image of `size` device
    // pixels, read back within `box`. The painter is handed over already shifted so that only
    // the box is drawn; its coverage of a 1-pixel line may still differ by a few levels from the
    // same line drawn at another place in a window, as the painter's own lines do.
    static CoverageMask painted(QSize size, const QRect &box, const std::function<void(QPainter &)> &draw);

    // Lays the shape in `colour` (premultiplied) over the opaque pixels of `image` that lie in
    // `clip`, blending as the painter does.
    void blendOnto(QImage &image, const QRect &clip, QRgb colour) const;

    bool isEmpty() const { return m_cells.isEmpty(); }

private:
    struct Cell
    {
        qint16 x;
        qint16 y;
        quint8 coverage; // 1..255
    };
    QList<Cell> m_cells; // row by row, left to right
};

// Lays a straight bar with flat ends, `width` device pixels across and centred on `line`, in
// `colour` (premultiplied) over the opaque pixels of `image` within `clip`: the exact share of
// each pixel inside it, blended as the painter blends, with the corners placed where the
// painter's antialiased flat-capped line puts them, so that the two differ by at most a level
// of 255. Pixels inside the clip come out the same however large the clip is.
void fillBar(QImage &image, const QRect &clip, const QLineF &line, double width, QRgb colour);
