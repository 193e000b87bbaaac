#include "CoverageMask.h"

#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Each channel of x times a / 255, two channels at a time, rounded as the painter rounds.
QRgb byteMul(QRgb x, uint a)
{
    uint rb = (x & 0xff00ff) * a;
    rb = ((rb + ((rb >> 8) & 0xff00ff) + 0x800080) >> 8) & 0xff00ff;
    uint ag = ((x >> 8) & 0xff00ff) * a;
    ag = (ag + ((ag >> 8) & 0xff00ff) + 0x800080) & 0xff00ff00;
    return ag | rb;
}

// One side of an outline, from its top to its bottom, x counted from the row buffer's origin.
struct Edge
{
    double top, bottom; // y, top < bottom
    double xTop; // x at top
    double dxdy;
    double xMin, xMax;
    double dir; // 1 where the outline runs down this side, -1 up
};

Edge edge(QPointF a, QPointF b, double originX)
{
    double dir = 1;
    if (a.y() > b.y()) {
        std::swap(a, b);
        dir = -1;
    }
    return {a.y(), b.y(), a.x() - originX, (b.x() - a.x()) / (b.y() - a.y()), std::min(a.x(), b.x()) - originX,
        std::max(a.x(), b.x()) - originX, dir};
}

// Adds to `acc` the signed area that edge e, clipped to the row [row, row + 1), sweeps to its
// right, as one running sum along the row: summed from the left, acc gives each pixel's share
// of a closed outline. lo and hi widen to the cells touched.
void accumulateEdge(double *acc, const Edge &e, int row, int &lo, int &hi)
{
    const double top = std::max<double>(e.top, row), bottom = std::min<double>(e.bottom, row + 1);
    if (top >= bottom)
        return;
    // Clamped to the edge's own extent: rounding on a nearly level edge could step past it.
    const auto xAt = [&](double y) { return std::clamp(e.xTop + (y - e.top) * e.dxdy, e.xMin, e.xMax); };
    const double xTop = xAt(top), xBottom = xAt(bottom);
    const double d = (bottom - top) * e.dir;
    const double x0 = std::min(xTop, xBottom), x1 = std::max(xTop, xBottom);
    // Both are at or right of the row's origin: a cast floors them.
    const int i0 = int(x0), i1 = int(x1) + (x1 > int(x1) ? 1 : 0);
    const double x0Floor = i0, x1Ceil = i1;
    lo = std::min(lo, i0);
    hi = std::max(hi, std::max(i1, i0 + 1));
    if (i1 <= i0 + 1) { // within one pixel: split at the edge's mean x
        const double mid = 0.5 * (xTop + xBottom) - x0Floor;
        acc[i0] += d * (1 - mid);
        acc[i0 + 1] += d * mid;
        return;
    }
    // Across several pixels: a triangle in the first and last, equal strips between.
    const double step = 1 / (x1 - x0);
    const double f0 = x0 - x0Floor, f1 = x1 - x1Ceil + 1;
    const double first = 0.5 * step * (1 - f0) * (1 - f0), last = 0.5 * step * f1 * f1;
    acc[i0] += d * first;
    if (i1 == i0 + 2) {
        acc[i0 + 1] += d * (1 - first - last);
    } else {
        const double second = step * (1.5 - f0);
        acc[i0 + 1] += d * (second - first);
        for (int i = i0 + 2; i < i1 - 1; ++i)
            acc[i] += d * step;
        const double beforeLast = second + (i1 - i0 - 3) * step;
        acc[i1 - 1] += d * (1 - beforeLast - last);
    }
    acc[i1] += d * last;
}

// Lays colour (premultiplied) over an opaque pixel at `coverage` of 255, as the painter blends
// a solid colour.
inline void blend(QRgb &pixel, QRgb colour, uint coverage)
{
    const QRgb ink = coverage == 255 ? colour : byteMul(colour, coverage);
    pixel = ink + byteMul(pixel, 255 - uint(qAlpha(ink)));
}

} // namespace

CoverageMask CoverageMask::painted(QSize size, const QRect &box, const std::function<void(QPainter &)> &draw)
{
    CoverageMask mask;
    const QRect area = box & QRect(QPoint(), size);
    if (area.isEmpty())
        return mask;
    QImage scratch(area.size(), QImage::Format_Alpha8); // drawn opaque, alpha is coverage
    scratch.fill(0);
    {
        QPainter painter(&scratch);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(-area.topLeft());
        draw(painter);
    }
    for (int y = 0; y < area.height(); ++y) {
        const uchar *line = scratch.constScanLine(y);
        for (int x = 0; x < area.width(); ++x)
            if (line[x])
                mask.m_cells.append({qint16(area.x() + x), qint16(area.y() + y), line[x]});
    }
    return mask;
}

void fillBar(QImage &image, const QRect &clip, const QLineF &line, double width, QRgb colour)
{
    // The painter draws a line within 1/64 pixel of level as level at its first end's height,
    // one within 1/64 of upright as upright under its top end, and snaps the corners of any
    // other down onto its 1/64 grid; doing the same keeps the edges where it puts them.
    QLineF bar = line;
    const QPointF span = line.p2() - line.p1();
    const bool level = std::abs(span.y()) * 64 < 1, upright = !level && std::abs(span.x()) * 64 < 1;
    if (level)
        bar.setP2({line.x2(), line.y1()});
    else if (upright) {
        const double x = line.y1() < line.y2() ? line.x1() : line.x2();
        bar.setLine(x, line.y1(), x, line.y2());
    }
    const double length = bar.length();
    const QRect area = clip & image.rect();
    if (length == 0 || width <= 0 || area.isEmpty())
        return;
    const QPointF along = (bar.p2() - bar.p1()) * (width / 2 / length);
    const QPointF across(-along.y(), along.x());
    std::array<QPointF, 4> corners{bar.p1() + across, bar.p2() + across, bar.p2() - across, bar.p1() - across};
    if (!level && !upright)
        for (QPointF &c : corners)
            c = QPointF(std::floor(c.x() * 64) / 64, std::floor(c.y() * 64) / 64);
    double left = corners[0].x(), right = left, top = corners[0].y(), bottom = top;
    for (const QPointF &c : corners) {
        left = std::min(left, c.x());
        right = std::max(right, c.x());
        top = std::min(top, c.y());
        bottom = std::max(bottom, c.y());
    }
    const double originX = std::floor(left);
    QVarLengthArray<double, 512> acc(qsizetype(std::ceil(right) - originX) + 3);
    std::fill(acc.begin(), acc.end(), 0.0);
    // Row by row, each one's share summed from its own edges only: rows outside the clip are skipped.
    const int firstRow = std::max(area.top(), int(std::floor(top))), endRow = std::min(area.bottom() + 1, int(std::ceil(bottom)));
    const int firstColumn = area.left() - int(originX), lastColumn = area.right() - int(originX);
    uchar *bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    QVarLengthArray<Edge, 4> edges;
    for (std::size_t i = 0; i < corners.size(); ++i)
        if (const QPointF a = corners[i], b = corners[(i + 1) % corners.size()]; a.y() != b.y())
            edges.append(edge(a, b, originX));
    for (int row = firstRow; row < endRow; ++row) {
        int lo = int(acc.size()), hi = -1;
        for (const Edge &e : edges)
            accumulateEdge(acc.data(), e, row, lo, hi);
        QRgb *pixels = reinterpret_cast<QRgb *>(bits + row * stride) + int(originX);
        double sum = 0;
        for (int i = lo; i <= hi; ++i) {
            sum += acc[i];
            acc[i] = 0;
            // Truncated, as the painter does.
            const uint coverage = uint(std::min(1.0, std::abs(sum)) * 255);
            if (coverage && i >= firstColumn && i <= lastColumn)
                blend(pixels[i], colour, coverage);
        }
    }
}

void CoverageMask::blendOnto(QImage &image, const QRect &clip, QRgb colour) const
{
    const QRect area = clip & image.rect();
    if (area.isEmpty())
        return;
    uchar *bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const int left = area.left(), right = area.right(), top = area.top(), bottom = area.bottom();
    for (const Cell &cell : m_cells)
        if (cell.x >= left && cell.x <= right && cell.y >= top && cell.y <= bottom)
            blend(reinterpret_cast<QRgb *>(bits + cell.y * stride)[cell.x], colour, cell.coverage);
}
