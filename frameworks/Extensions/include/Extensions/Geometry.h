#pragma once

#include <QPointF>
#include <QRectF>

namespace Extensions {

// The middle of rect: (x + width / 2, y + height / 2). Holds in y-up and y-down frames.
inline QPointF centre(const QRectF &rect)
{
    return rect.center();
}

} // namespace Extensions
