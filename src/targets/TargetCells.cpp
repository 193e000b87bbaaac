#include "TargetCells.h"

#include <AppUtils/Digits.h>

#include <cmath>
#include <cstdlib>
#include <ctime>

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView minusSign = u"−";
constexpr QStringView none = u"—";

// Minutes as "1 h 23 m", hours left out under one.
QString span(long long minutes)
{
    const long long hours = minutes / 60;
    return hours ? TargetCells::tr("%1 h %2 m").arg(hours).arg(minutes % 60) : TargetCells::tr("%1 m").arg(minutes);
}

} // namespace

QString TargetCells::hourAngle(double radians)
{
    return signedSexagesimalText(radians * 12 / M_PI);
}

QString TargetCells::meridian(double seconds)
{
    const long long minutes = std::llround(std::abs(seconds) / 60);
    if (minutes == 0)
        return tr("now");
    return seconds > 0 ? tr("in %1").arg(span(minutes)) : tr("%1 ago").arg(span(minutes));
}

QString TargetCells::altitude(double degrees)
{
    const long long tenths = std::llround(degrees * 10);
    const long long magnitude = std::llabs(tenths);
    QString text = tenths < 0 ? minusSign.toString() : QString();
    AppUtils::appendPadded(text, magnitude / 10, 1);
    text += u'.';
    AppUtils::appendPadded(text, magnitude % 10, 1);
    return text + u'°';
}

QString TargetCells::state(Visibility visibility)
{
    switch (visibility) {
    case Visibility::up:
        return tr("up");
    case Visibility::down:
        return tr("down");
    case Visibility::neverRises:
        return tr("never rises");
    case Visibility::neverSets:
        return tr("never sets");
    }
    return {};
}

QString TargetCells::airmass(double altitudeDegrees)
{
    const std::optional<double> mass = ::airmass(altitudeDegrees);
    if (!mass)
        return {};
    const long long hundredths = std::llround(*mass * 100);
    QString text;
    AppUtils::appendPadded(text, hundredths / 100, 1);
    text += u'.';
    AppUtils::appendPadded(text, hundredths % 100, 2);
    return text;
}

QString TargetCells::localTime(SkyInstant instant)
{
    const std::time_t minute = std::chrono::round<std::chrono::minutes>(instant).time_since_epoch().count() * 60;
    tzset(); // localtime_r, unlike localtime, is not required to notice a changed zone
    std::tm local{};
    if (!localtime_r(&minute, &local))
        return {};
    QString text;
    AppUtils::appendPadded(text, local.tm_hour, 2);
    text += u':';
    AppUtils::appendPadded(text, local.tm_min, 2);
    return text;
}

QString TargetCells::riseOrSet(const TargetNight &night, const std::optional<SkyInstant> &instant)
{
    if (night.circumpolar)
        return tr("circumpolar");
    return instant ? localTime(*instant) : none.toString();
}

QString TargetCells::transit(const TargetNight &night)
{
    return night.rise || night.circumpolar ? localTime(night.transit) : none.toString();
}

QString TargetCells::duration(std::chrono::seconds length)
{
    const long long minutes = std::chrono::round<std::chrono::minutes>(length).count();
    return minutes > 0 ? span(minutes) : none.toString();
}

QString TargetCells::darkHeading(double limitDegrees)
{
    return tr("Dark hours above %1°").arg(QString::number(limitDegrees));
}
