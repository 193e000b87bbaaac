#include "AlarmTexts.h"

#include "sky/SkyTexts.h"

#include <QDateTime>
#include <QTime>

namespace {

QString clockText(int second)
{
    return QTime::fromMSecsSinceStartOfDay(second * 1000).toString(u"HH:mm:ss");
}

} // namespace

QString AlarmTexts::when(const AlarmWhen &when)
{
    struct Writer
    {
        QString operator()(const SiderealAlarm &alarm) const { return tr("LST %1").arg(clockText(alarm.second)); }
        QString operator()(const CivilAlarm &alarm) const
        {
            const QString clock = clockText(alarm.second);
            if (alarm.date) {
                const QString day = alarm.date->toString(Qt::ISODate);
                return alarm.utc ? tr("%1 %2 UTC").arg(day, clock) : tr("%1 %2 local time").arg(day, clock);
            }
            return alarm.utc ? tr("%1 UTC, every day").arg(clock) : tr("%1 local time, every day").arg(clock);
        }
        QString operator()(const TargetAlarm &alarm) const
        {
            if (alarm.hourAngleHours == 0)
                return tr("%1 crosses the meridian").arg(alarm.target);
            QString hours = QString::number(std::abs(alarm.hourAngleHours), 'g', 4);
            hours.prepend(alarm.hourAngleHours < 0 ? QChar(0x2212) : u'+');
            return tr("%1 at hour angle %2 h").arg(alarm.target, hours);
        }
        QString operator()(const TonightAlarm &alarm) const
        {
            switch (alarm.event) {
            case AlarmEvent::darkStart:
                return tr("the start of dark");
            case AlarmEvent::darkEnd:
                return tr("the end of dark");
            default:
                return SkyTexts::event(NightEvent(alarm.event));
            }
        }
        QString operator()(const HealthAlarm &alarm) const
        {
            switch (alarm.trouble) {
            case ClockTrouble::unsynchronised:
                return tr("the clock loses its synchronisation");
            case ClockTrouble::gpsDisagrees:
                return tr("the GPS disagrees with the clock");
            case ClockTrouble::earthOrientationStale:
                return tr("the Earth-orientation data goes stale");
            }
            return {};
        }
    };
    return std::visit(Writer{}, when);
}

QString AlarmTexts::whenWithOffset(const Alarm &alarm)
{
    const QString named = when(alarm.when);
    return alarm.minutesBefore ? tr("%n min before %1", nullptr, alarm.minutesBefore).arg(named) : named;
}

QString AlarmTexts::kind(const AlarmWhen &when)
{
    struct Namer
    {
        QString operator()(const SiderealAlarm &) const { return tr("LST"); }
        QString operator()(const CivilAlarm &alarm) const { return alarm.utc ? tr("UTC") : tr("local time"); }
        QString operator()(const TargetAlarm &) const { return tr("target"); }
        QString operator()(const TonightAlarm &) const { return tr("tonight"); }
        QString operator()(const HealthAlarm &) const { return tr("clock health"); }
    };
    return std::visit(Namer{}, when);
}

QString AlarmTexts::due(const AlarmFiring &firing)
{
    const QDateTime due = QDateTime::fromSecsSinceEpoch(
        std::chrono::floor<std::chrono::seconds>(firing.due).time_since_epoch().count());
    const QString text = tr("%1, at %2").arg(whenWithOffset(firing.alarm), due.toString(u"HH:mm:ss"));
    return firing.late ? tr("%1 (late: the computer was asleep)").arg(text) : text;
}

QString AlarmTexts::rang(const AlarmFiring &firing)
{
    return tr("%1: %2").arg(firing.alarm.name, due(firing));
}
