#include "SparklePreferences/UpdateResult.h"

#include <QGuiApplication>

namespace SparklePreferences {

QString UpdateResult::message() const
{
    const QString application = QGuiApplication::applicationDisplayName();
    switch (outcome) {
    case Outcome::UpdateAvailable:
        return tr("%1 %2 is available; you have %3.")
            .arg(application, release ? release->displayVersion() : QString(), currentVersion);
    case Outcome::UpToDate:
        return tr("%1 %2 is up to date.").arg(application, currentVersion);
    case Outcome::Unreachable:
        return tr("Could not reach the update server: %1").arg(reason);
    case Outcome::UnreadableFeed:
        return tr("The update feed could not be read.");
    case Outcome::TimedOut:
        return tr("The update server did not answer in time.");
    }
    Q_UNREACHABLE();
}

} // namespace SparklePreferences
