#pragma once

#include "ClockTime.h"
#include "CoverageMask.h"
#include "DialColours.h"

#include <QFont>
#include <QImage>
#include <QWidget>

#include <array>

struct DialGeometry;

// One analog dial: blue bezel, face, 60 ticks, numerals, "AM"/"PM" and date captions,
// hour, minute and second hands and a centre dot; or, as a 24-hour dial, 24 numerals and hour
// marks and no "AM"/"PM". It draws the time it is given and never reads a clock. It keeps
// itself square in layouts (height for width).
class AnalogClockView : public QWidget
{
    Q_OBJECT

public:
    explicit AnalogClockView(QWidget *parent = nullptr);

    // The time drawn. An equal time schedules no repaint, a new one the repaint of what it
    // moved or changed (see changedRect). The accessible description
    // follows the time ("10:10:30 AM, 2026-12-07"); the accessible name is the owner's.
    void setTime(const ClockTime &time);
    const ClockTime &time() const;

    // The face the time is drawn on; 12-hour until set. A new kind repaints the whole dial.
    void setDialKind(DialKind kind);
    DialKind dialKind() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // What the still parts of the dial (bezel, face, ticks, numerals, captions) were last
    // drawn for.
    struct StillKey
    {
        QSize size;
        DialKind kind = DialKind::twelveHour;
        qreal pixelRatio = 0;
        DialColours colours;
        QFont font;
        QString morning;
        QString date;
        bool operator==(const StillKey &) const = default;
    };

    // Everything but the hands and the dot, on the window's own colour around the ring, drawn
    // again only when the key changes and otherwise copied: the captions change twice a day, the
    // hands every second, and shaping the captions' text each second cost as much as drawing
    // the hands. A new size or pixel ratio also drops the masks of the second hand and the dot.
    void updateStillParts(const DialGeometry &g, const DialColours &colours, qreal pixelRatio);
    // The second hand as it stands at `second`, drawn by the painter the first time that
    // second comes and kept: it steps through sixty places only.
    const CoverageMask &secondHand(const DialGeometry &g, int second);

    ClockTime m_time;
    DialKind m_kind = DialKind::twelveHour;
    QImage m_still; // opaque, in device pixels
    QImage m_frame; // the still parts with the hands over them, as last painted
    StillKey m_stillKey;
    std::array<CoverageMask, 60> m_secondHands;
    CoverageMask m_dot;
};
