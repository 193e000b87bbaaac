#pragma once

#include "sky/Night.h"

#include <QDate>
#include <QString>

#include <chrono>
#include <optional>
#include <span>
#include <variant>
#include <vector>

// What an alarm waits for.

// A local apparent sidereal time, every sidereal day: the flip at which the clock's LST shows
// that second.
struct SiderealAlarm
{
    int second = 0; // of the sidereal day, [0, 86400)

    bool operator==(const SiderealAlarm &) const = default;
};

// A civil time of day in the system's zone or in UTC, on one day or every day.
struct CivilAlarm
{
    int second = 0; // of the day, [0, 86400)
    bool utc = false;
    std::optional<QDate> date; // none: every day

    bool operator==(const CivilAlarm &) const = default;
};

// A target of the Targets list reaching an hour angle: 0 when it crosses the meridian, positive
// past it (for a mount that must flip before it meets its pier).
struct TargetAlarm
{
    QString target; // the target's name in the list
    double hourAngleHours = 0; // [−12, +12]

    bool operator==(const TargetAlarm &) const = default;
};

// One of tonight's events at the observer's position.
enum class AlarmEvent {
    sunset,
    civilDusk,
    nauticalDusk,
    astronomicalDusk,
    astronomicalDawn,
    nauticalDawn,
    civilDawn,
    sunrise,
    moonrise,
    moonset,
    darkStart, // the start of a dark interval: astronomical night with the Moon down
    darkEnd,
};
inline constexpr int alarmEventCount = 12;

struct TonightAlarm
{
    AlarmEvent event = AlarmEvent::sunset;

    bool operator==(const TonightAlarm &) const = default;
};

// The clock's health turning bad.
enum class ClockTrouble {
    unsynchronised, // the system clock is no longer synchronised
    gpsDisagrees, // the GPS's time differs from the system clock's by more than gpsDisagreementSeconds
    earthOrientationStale, // the Earth-orientation file in use no longer covers the date
};
inline constexpr int clockTroubleCount = 3;

// The GPS's time against the system clock, beyond which they disagree: time from a serial
// message is good to a few hundred milliseconds.
inline constexpr double gpsDisagreementSeconds = 0.5;

struct HealthAlarm
{
    ClockTrouble trouble = ClockTrouble::unsynchronised;

    bool operator==(const HealthAlarm &) const = default;
};

using AlarmWhen = std::variant<SiderealAlarm, CivilAlarm, TargetAlarm, TonightAlarm, HealthAlarm>;

struct Alarm
{
    QString name; // as targetName() keeps a name
    AlarmWhen when;
    // How long before the instant the alarm names it rings, [0, maxMinutesBefore]. A health
    // alarm rings when the trouble starts: its offset is 0.
    int minutesBefore = 0;

    bool operator==(const Alarm &) const = default;
};

inline constexpr int maxMinutesBefore = 1440;
// How many alarms a list holds at most.
inline constexpr int maxAlarms = 50;
// How much of a stored list is read: the settings keep no longer text (a longer list could
// be read but never stored again). 50 alarms with names of some twenty characters fit.
inline constexpr qsizetype maxAlarmListLength = 4000;

// Why a line of a list holds no alarm.
enum class AlarmLineProblem {
    fields, // not five fields separated by tabs
    kind, // not one of the kinds' words
    when, // no time, hour angle, event or trouble of its kind (24:00:00 is no time of day)
    target, // a target alarm without a target's name, or another kind with one
    minutesBefore, // not a whole number of minutes in [0, maxMinutesBefore], or not 0 for health
    name, // no name targetName() keeps
    tooMany, // an alarm after the first maxAlarms
};

// A line of a list that holds no alarm, kept as it was so that the list is written back whole.
struct UnreadAlarmLine
{
    QString text; // without its '\n'
    AlarmLineProblem problem = AlarmLineProblem::fields;

    bool operator==(const UnreadAlarmLine &) const = default;
};

using AlarmLine = std::variant<Alarm, UnreadAlarmLine>;

// A list of alarms as one line an alarm, "<kind>\t<when>\t<target>\t<minutes before>\t<name>":
//   lst      HH:MM:SS                                   (empty target)
//   local    HH:MM:SS every day, or YYYY-MM-DDTHH:MM:SS once
//   utc      the same in UTC
//   target   the hour angle in hours, C locale ("0" at the meridian)   <the target's name>
//   tonight  sunset, civil-dusk, nautical-dusk, astronomical-dusk, astronomical-dawn,
//            nautical-dawn, civil-dawn, sunrise, moonrise, moonset, dark-start, dark-end
//   health   unsynchronised, gps-disagrees, ut1-stale
// A line that holds no alarm is written as it was read.
QString alarmListText(std::span<const AlarmLine> lines);

// The lines of a stored list, in their order, each an alarm or, when it holds none, the line as
// it is and why. Lines of nothing but white space are left out. Only the first
// maxAlarmListLength characters are read, up to the last whole line among them; leftOut counts
// the characters after it.
struct AlarmListRead
{
    std::vector<AlarmLine> lines;
    qsizetype leftOut = 0;
};
AlarmListRead alarmListFromText(QStringView text);

std::vector<Alarm> alarmsAmong(std::span<const AlarmLine> lines);

// The fields of an alarm's line that say what it waits for, as the list writes them: the kind's
// word ("lst", "local", "utc", "target", "tonight", "health"; also the kind other programs are
// told), the when field and the target's name (empty but for a target alarm).
struct AlarmFields
{
    QLatin1StringView kind;
    QString when;
    QString target;
};
AlarmFields alarmFieldsOf(const AlarmWhen &when);

// An alarm ringing: at the tick whose second reaches the instant it names, or at the first tick
// after the machine woke or the clock stepped past it, then late.
struct AlarmFiring
{
    Alarm alarm;
    // The instant it names less its offset, to the second (UTC, leap seconds not counted): when
    // it should ring.
    std::chrono::system_clock::time_point due;
    bool late = false; // the tick of its due second never came: it rings at the first after

    bool operator==(const AlarmFiring &) const = default;
};
