#include "DialRowLayout.h"

#include <QWidget>

#include <algorithm>

DialRowLayout::DialRowLayout(QWidget *parent)
    : QLayout(parent)
{
}

DialRowLayout::~DialRowLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void DialRowLayout::addDial(QWidget *dial, QWidget *caption)
{
    addWidget(dial);
    addWidget(caption);
}

QSize DialRowLayout::sizeHint() const
{
    int side = 0;
    for (qsizetype column = 0; column < columns(); ++column) {
        const QSize hint = m_items[2 * column]->sizeHint();
        side = std::max({side, hint.width(), hint.height()});
    }
    return rowSize(side);
}

QSize DialRowLayout::minimumSize() const
{
    int side = 0;
    for (qsizetype column = 0; column < columns(); ++column) {
        const QSize minimum = m_items[2 * column]->minimumSize();
        side = std::max({side, minimum.width(), minimum.height()});
    }
    return rowSize(side);
}

Qt::Orientations DialRowLayout::expandingDirections() const
{
    return Qt::Horizontal | Qt::Vertical;
}

void DialRowLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    const int n = int(columns());
    if (n == 0)
        return;
    const QRect area = contentsRect();
    const int gap = columnGap();
    const int widest = (area.width() - (n - 1) * gap) / n;
    const int tallest = area.height() - captionGap() - captionHeight();
    const int side = std::max(0, std::min(widest, tallest));

    const QMargins margins = contentsMargins();
    const QSize row = rowSize(side).shrunkBy(margins);
    const int left = area.left() + (area.width() - row.width()) / 2;
    const int top = area.top() + (area.height() - row.height()) / 2;
    for (int column = 0; column < n; ++column) {
        const int x = left + column * (side + gap);
        m_items[2 * column]->setGeometry(QRect(x, top, side, side));
        if (QLayoutItem *label = caption(column))
            label->setGeometry(QRect(x, top + side + captionGap(), side, captionHeight()));
    }
}

void DialRowLayout::addItem(QLayoutItem *item)
{
    m_items.append(item);
}

QLayoutItem *DialRowLayout::itemAt(int index) const
{
    return index >= 0 && index < m_items.size() ? m_items[index] : nullptr;
}

QLayoutItem *DialRowLayout::takeAt(int index)
{
    return index >= 0 && index < m_items.size() ? m_items.takeAt(index) : nullptr;
}

int DialRowLayout::count() const
{
    return int(m_items.size());
}

qsizetype DialRowLayout::columns() const
{
    return (m_items.size() + 1) / 2;
}

QLayoutItem *DialRowLayout::caption(qsizetype column) const
{
    return 2 * column + 1 < m_items.size() ? m_items[2 * column + 1] : nullptr;
}

int DialRowLayout::captionHeight() const
{
    int height = 0;
    for (qsizetype column = 0; column < columns(); ++column)
        if (const QLayoutItem *label = caption(column))
            height = std::max(height, label->sizeHint().height());
    return height;
}

// A style may leave the spacing to its widgets (-1); dials then sit edge to edge.
int DialRowLayout::columnGap() const
{
    return std::max(0, spacing());
}

// Close enough that each caption reads as its dial's, far enough not to touch the bezel.
int DialRowLayout::captionGap() const
{
    return std::max(2, columnGap() / 2);
}

QSize DialRowLayout::rowSize(int dialSide) const
{
    const int n = int(columns());
    const int width = n * dialSide + std::max(0, n - 1) * columnGap();
    const int height = n == 0 ? 0 : dialSide + captionGap() + captionHeight();
    return QSize(width, height).grownBy(contentsMargins());
}
