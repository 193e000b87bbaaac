#pragma once

#include <QProxyStyle>

#include <optional>

// The application's style, passed through unchanged until told to keep to red: then every
// control, frame, menu, tooltip and icon the style draws is drawn first into an image whose
// green and blue are taken out (see keepRedOnly), so that no colour the style chooses itself,
// such as the white edge light of a button, reaches the screen. The palette does the rest.
// Nothing of this runs for what a widget paints on its own, except line edits: their text
// cursor inverts what lies under it, which on a black field is white, so at night they get
// none of that kind and a red one is drawn over them instead.
class RedOnlyStyle : public QProxyStyle
{
    Q_OBJECT

public:
    explicit RedOnlyStyle(QStyle *base = nullptr);

    // nullopt: draws as the base style does. Otherwise the brightest red drawn, out of 255.
    void setRedCeiling(std::optional<int> ceiling);

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
        const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
        const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
        const QWidget *widget = nullptr) const override;
    void drawItemText(QPainter *painter, const QRect &rect, int flags, const QPalette &palette, bool enabled,
        const QString &text, QPalette::ColorRole textRole = QPalette::NoRole) const override;
    void drawItemPixmap(QPainter *painter, const QRect &rect, int alignment, const QPixmap &pixmap) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
        const QWidget *widget = nullptr) const override;
    void polish(QWidget *widget) override;
    void unpolish(QWidget *widget) override;
    using QProxyStyle::polish;
    using QProxyStyle::unpolish;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Runs draw on painter, through a red-only image over area when a ceiling is set. Drawing
    // the style does from inside a drawing already on its way through an image goes straight in.
    template <typename Draw>
    void drawRedOnly(QPainter *painter, const QRect &area, Draw draw) const;

    std::optional<int> m_ceiling;
    mutable int m_depth = 0;
    QObject *m_painting = nullptr; // the line edit painting itself before its cursor is drawn
};

// Keeps of each pixel of image (any format; made premultiplied ARGB) only a red as bright as
// its brightest channel, at most ceiling (out of 255, scaled by the pixel's alpha): a red stays
// the same red, white becomes the ceiling, and green and blue become zero.
void keepRedOnly(QImage &image, int ceiling);
