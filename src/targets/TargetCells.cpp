#include "TargetCells.h"

#include <AppUtils/Digits.h>

#include <cmath>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView minusSign = u"−";

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
    const long long hours = minutes / 60;
    const QString span = hours ? tr("%1 h %2 m").arg(hours).arg(minutes % 60) : tr("%1 m").arg(minutes);
    return seconds > 0 ? tr("in %1").arg(span) : tr("%1 ago").arg(span);
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
