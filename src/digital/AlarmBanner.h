#pragma once

#include "engine/Alarm.h"

#include <QWidget>

#include <span>

// The band across the top of the digital window that says an alarm rang: the newest one's
// line, and how many more rang since the band was last dismissed. It stays until a click on
// it or Escape dismisses it, so that an alarm that rang while nobody looked is still read.
// White on the system's red by day; at night the night palette's brightest red on its black.
class AlarmBanner : public QWidget
{
    Q_OBJECT

public:
    explicit AlarmBanner(QWidget *parent = nullptr);

    // Shows the last of firings, counting the others; the screen reader is alerted.
    void ring(std::span<const AlarmFiring> firings);
    void dismiss();

    QString text() const { return m_text; }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    // It appeared, changed its text or went: the window makes room for it or takes it back.
    void heightChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QRect textRect(const QRect &area) const;
    void fitHeight();

    QString m_text;
    int m_rang = 0; // since the last dismissal
};
