#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QtMath>

// Designs are measured in twips: 1440 to the inch, 15 to a pixel at 96 dots per inch.
namespace halvora::twips {

inline constexpr int perPixel = 15;

inline int toPixels(double twips) { return qRound(twips / perPixel); }
inline QSize toPixels(QSize t) { return {toPixels(t.width()), toPixels(t.height())}; }
inline QPoint toPixels(QPoint t) { return {toPixels(t.x()), toPixels(t.y())}; }
// Edges are rounded rather than the size, so neighbouring boxes stay flush.
inline QRect toPixels(const QRect &t)
{
    const int l = toPixels(t.x()), top = toPixels(t.y());
    return QRect(l, top, toPixels(t.x() + t.width()) - l, toPixels(t.y() + t.height()) - top);
}
// Font sizes are given in points; at 96 dots per inch a point is 4/3 of a pixel.
inline int fontPixels(double points) { return qMax(1, qRound(points * 4.0 / 3.0)); }

} // namespace halvora::twips
