#pragma once

#include "ClockTime.h"

#include <QLineF>
#include <QList>
#include <QWidget>

// One analog dial: blue bezel, face, 60 ticks, numerals, "AM"/"PM" and date captions,
// hour, minute and second hands and a centre dot. It draws the time it is given and
// never reads a clock. It keeps itself square in layouts (height for width).
class AnalogClockView : public QWidget {
    Q_OBJECT

public:
    using clockTime = ClockTime;

    explicit AnalogClockView(QWidget *parent = nullptr);

    // The time drawn. An equal time schedules no repaint. The accessible description
    // follows the time ("10:10:30 AM, 2026-12-07"); the accessible name is the owner's.
    void setTime(const ClockTime &time);
    const ClockTime &time() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const QList<QLineF> &ticks();

    ClockTime m_time;
    QList<QLineF> m_ticks;  // tickMarks() of m_ticksWidth, rebuilt when the width changes
    int m_ticksWidth = -1;
};
