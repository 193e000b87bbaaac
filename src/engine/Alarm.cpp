#include "Alarm.h"

#include "sky/ListNumbers.h"
#include "sky/StoredLines.h"
#include "sky/Target.h"

#include <QList>

#include <array>

using namespace Qt::StringLiterals;

namespace {

enum class Kind { lst, local, utc, target, tonight, health };
constexpr std::array<QLatin1StringView, 6> kindWords{
    "lst"_L1, "local"_L1, "utc"_L1, "target"_L1, "tonight"_L1, "health"_L1};

constexpr std::array<QLatin1StringView, alarmEventCount> eventWords{"sunset"_L1, "civil-dusk"_L1, "nautical-dusk"_L1,
    "astronomical-dusk"_L1, "astronomical-dawn"_L1, "nautical-dawn"_L1, "civil-dawn"_L1, "sunrise"_L1, "moonrise"_L1,
    "moonset"_L1, "dark-start"_L1, "dark-end"_L1};
constexpr std::array<QLatin1StringView, clockTroubleCount> troubleWords{
    "unsynchronised"_L1, "gps-disagrees"_L1, "ut1-stale"_L1};

template <std::size_t N>
int indexIn(const std::array<QLatin1StringView, N> &words, QStringView word)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (word == words[i])
            return int(i);
    }
    return -1;
}

QString timeOfDayText(int second)
{
    return QTime::fromMSecsSinceStartOfDay(second * 1000).toString(u"HH:mm:ss");
}

// "HH:MM:SS" exactly, 00:00:00 to 23:59:59: a day's 24:00:00 is the next day's 00:00:00.
std::optional<int> timeOfDayFrom(QStringView text)
{
    if (text.size() != 8 || text[2] != u':' || text[5] != u':')
        return std::nullopt;
    const QTime time = QTime::fromString(text.toString(), u"HH:mm:ss");
    if (!time.isValid())
        return std::nullopt;
    return time.msecsSinceStartOfDay() / 1000;
}

// The when field of a civil alarm: a time of day, or a date and a time.
std::optional<CivilAlarm> civilFrom(QStringView text, bool utc)
{
    if (text.size() == 19 && text[10] == u'T') {
        const QDate date = QDate::fromString(text.first(10).toString(), Qt::ISODate);
        const std::optional<int> second = timeOfDayFrom(text.sliced(11));
        if (!date.isValid() || !second)
            return std::nullopt;
        return CivilAlarm{*second, utc, date};
    }
    if (const std::optional<int> second = timeOfDayFrom(text))
        return CivilAlarm{*second, utc, std::nullopt};
    return std::nullopt;
}

} // namespace

AlarmFields alarmFieldsOf(const AlarmWhen &when)
{
    struct Writer
    {
        AlarmFields operator()(const SiderealAlarm &alarm) const
        {
            return {kindWords[std::size_t(Kind::lst)], timeOfDayText(alarm.second), {}};
        }
        AlarmFields operator()(const CivilAlarm &alarm) const
        {
            QString text = timeOfDayText(alarm.second);
            if (alarm.date)
                text = alarm.date->toString(Qt::ISODate) + u'T' + text;
            return {kindWords[std::size_t(alarm.utc ? Kind::utc : Kind::local)], text, {}};
        }
        AlarmFields operator()(const TargetAlarm &alarm) const
        {
            return {kindWords[std::size_t(Kind::target)], listNumberText(alarm.hourAngleHours), alarm.target};
        }
        AlarmFields operator()(const TonightAlarm &alarm) const
        {
            return {kindWords[std::size_t(Kind::tonight)], eventWords[std::size_t(alarm.event)], {}};
        }
        AlarmFields operator()(const HealthAlarm &alarm) const
        {
            return {kindWords[std::size_t(Kind::health)], troubleWords[std::size_t(alarm.trouble)], {}};
        }
    };
    return std::visit(Writer{}, when);
}

namespace {

// What the kind, when and target fields name, or why they name nothing.
std::variant<AlarmWhen, AlarmLineProblem> whenFrom(QStringView kindWord, QStringView when, QStringView target)
{
    const int index = indexIn(kindWords, kindWord);
    if (index < 0)
        return AlarmLineProblem::kind;
    const Kind kind = Kind(index);
    if ((kind == Kind::target) == targetName(target).isEmpty())
        return AlarmLineProblem::target;
    switch (kind) {
    case Kind::lst:
        if (const std::optional<int> second = timeOfDayFrom(when))
            return SiderealAlarm{*second};
        break;
    case Kind::local:
    case Kind::utc:
        if (const std::optional<CivilAlarm> civil = civilFrom(when, kind == Kind::utc))
            return *civil;
        break;
    case Kind::target:
        if (const std::optional<double> hours = listNumberFrom(when, -12, 12, true))
            return TargetAlarm{targetName(target), *hours};
        break;
    case Kind::tonight:
        if (const int event = indexIn(eventWords, when); event >= 0)
            return TonightAlarm{AlarmEvent(event)};
        break;
    case Kind::health:
        if (const int trouble = indexIn(troubleWords, when); trouble >= 0)
            return HealthAlarm{ClockTrouble(trouble)};
        break;
    }
    return AlarmLineProblem::when;
}

} // namespace

QString alarmListText(std::span<const AlarmLine> lines)
{
    QString text;
    for (const AlarmLine &line : lines) {
        if (const auto *alarm = std::get_if<Alarm>(&line)) {
            const AlarmFields fields = alarmFieldsOf(alarm->when);
            text += fields.kind;
            text += u'\t' + fields.when + u'\t' + fields.target + u'\t' + QString::number(alarm->minutesBefore) + u'\t'
                + alarm->name;
        } else {
            text += std::get<UnreadAlarmLine>(line).text;
        }
        text += u'\n';
    }
    return text;
}

AlarmListRead alarmListFromText(QStringView text)
{
    AlarmListRead read;
    text = wholeLinesWithin(text, maxAlarmListLength, read.leftOut);
    int alarms = 0;
    for (const QStringView line : text.split(u'\n')) {
        if (line.trimmed().isEmpty())
            continue;
        const auto unread = [&read, line](AlarmLineProblem problem) {
            read.lines.push_back(UnreadAlarmLine{line.toString(), problem});
        };
        const QList<QStringView> fields = line.split(u'\t');
        if (fields.size() != 5) {
            unread(AlarmLineProblem::fields);
            continue;
        }
        const std::variant<AlarmWhen, AlarmLineProblem> when = whenFrom(fields[0], fields[1], fields[2]);
        bool whole = false;
        const int minutesBefore = fields[3].toInt(&whole);
        const bool health
            = std::holds_alternative<AlarmWhen>(when) && std::holds_alternative<HealthAlarm>(std::get<AlarmWhen>(when));
        const QString name = targetName(fields[4]);
        if (const auto *problem = std::get_if<AlarmLineProblem>(&when))
            unread(*problem);
        else if (!whole || minutesBefore < 0 || minutesBefore > maxMinutesBefore || (health && minutesBefore != 0))
            unread(AlarmLineProblem::minutesBefore);
        else if (name.isEmpty())
            unread(AlarmLineProblem::name);
        else if (alarms == maxAlarms)
            unread(AlarmLineProblem::tooMany);
        else {
            read.lines.push_back(Alarm{name, std::get<AlarmWhen>(when), minutesBefore});
            ++alarms;
        }
    }
    return read;
}

std::vector<Alarm> alarmsAmong(std::span<const AlarmLine> lines)
{
    return entriesAmong(lines);
}
