#include "TargetCells.h"

#include "sky/SkyTexts.h"

#include <AppUtils/Digits.h>

#include <cmath>
#include <cstdlib>
#include <ctime>

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView none = u"—";

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
    return seconds > 0 ? tr("in %1").arg(SkyTexts::span(minutes)) : tr("%1 ago").arg(SkyTexts::span(minutes));
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

QString TargetCells::riseOrSet(const TargetNight &night, const std::optional<SkyInstant> &instant)
{
    if (night.circumpolar)
        return tr("circumpolar");
    return instant ? SkyTexts::localClock(*instant) : none.toString();
}

QString TargetCells::transit(const TargetNight &night)
{
    return night.rise || night.circumpolar ? SkyTexts::localClock(night.transit) : none.toString();
}

QString TargetCells::duration(std::chrono::seconds length)
{
    const long long minutes = std::chrono::round<std::chrono::minutes>(length).count();
    return minutes > 0 ? SkyTexts::span(minutes) : none.toString();
}

QString TargetCells::darkHeading(double limitDegrees)
{
    return tr("Dark hours above %1°").arg(QString::number(limitDegrees));
}
