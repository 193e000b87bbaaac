#include "AnalogClockWindow.h"

#include "ClockTime.h"
#include "DialRowLayout.h"
#include "engine/WindowRegistry.h"
#include "ui_AnalogClockWindow.h"

#include <QDate>
#include <QLocale>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

qint64 secondsOfDay(const std::tm &fields)
{
    return (qint64(fields.tm_hour) * 60 + fields.tm_min) * 60 + fields.tm_sec;
}

QString dateText(const QLocale &locale, const std::tm &fields)
{
    return locale.toString(QDate(fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday), QLocale::ShortFormat);
}

} // namespace

// The window's place is kept under its English title: a translated one would be lost when
// the desktop's language changes.
AnalogClockWindow::AnalogClockWindow(const ClockUpdate &tick)
    : ClockWindow(&WindowRegistry::openAnalogWindow, u"Analog Clock"_s, tick)
    , m_ui(std::make_unique<Ui::AnalogClockWindow>())
{
}

AnalogClockWindow::~AnalogClockWindow() = default;

void AnalogClockWindow::loadWindow(QMainWindow &window)
{
    m_ui->setupUi(&window);
    // Box and grid layouts stretch a dial to any shape; this one keeps the three round.
    auto *row = new DialRowLayout(m_ui->centralwidget);
    row->setSpacing(12); // each bezel reaches its dial's edge: keep the rings apart
    row->addDial(m_ui->m_utc, m_ui->m_utcCaption);
    row->addDial(m_ui->m_local, m_ui->m_localCaption);
    row->addDial(m_ui->m_lst, m_ui->m_lstCaption);
}

void AnalogClockWindow::update()
{
    // One reading for dates and hands alike, so that at midnight a dial never shows the new
    // day's hands under the old day's date.
    const ClockReading &reading = ClockWindow::reading();
    // Not kept between updates: the system locale may change while the clock runs.
    const QLocale locale = QLocale::system();
    const QString localDate = dateText(locale, reading.local);

    m_ui->m_utc->setTime(fromSeconds(secondsOfDay(reading.utc), dateText(locale, reading.utc)));
    m_ui->m_local->setTime(fromSeconds(secondsOfDay(reading.local), localDate));
    // The sidereal dial carries the local civil date: a sidereal day has no calendar date.
    m_ui->m_lst->setDialKind(reading.settings.lst24Hours ? DialKind::twentyFourHour : DialKind::twelveHour);
    if (reading.siderealSeconds)
        m_ui->m_lst->setTime(fromSeconds(std::llround(*reading.siderealSeconds), localDate));
}
