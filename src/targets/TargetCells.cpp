#include "TargetCells.h"

#include <cmath>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

QString signText(bool negative)
{
    return negative ? u"−"_s : u"+"_s;
}

} // namespace

QString TargetCells::hourAngle(double radians)
{
    const long long seconds = std::llround(radians * 43200 / M_PI);
    const long long magnitude = std::llabs(seconds);
    return signText(seconds < 0)
        + u"%1 %2 %3"_s.arg(magnitude / 3600, 2, 10, QChar(u'0'))
              .arg(magnitude / 60 % 60, 2, 10, QChar(u'0'))
              .arg(magnitude % 60, 2, 10, QChar(u'0'));
}

QString TargetCells::meridian(double seconds)
{
    const long long minutes = std::llround(std::abs(seconds) / 60);
    if (minutes == 0)
        return tr("now");
    const long long hours = minutes / 60;
    const QString span = hours ? tr("%1 h %2 m").arg(hours).arg(minutes % 60) : tr("%1 m").arg(minutes);
    return seconds > 0 ? tr("in %1").arg(span) : tr("%1 ago").arg(span);
}

QString TargetCells::altitude(double degrees)
{
    const long long tenths = std::llround(degrees * 10);
    const long long magnitude = std::llabs(tenths);
    return (tenths < 0 ? signText(true) : QString()) + u"%1.%2°"_s.arg(magnitude / 10).arg(magnitude % 10);
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
