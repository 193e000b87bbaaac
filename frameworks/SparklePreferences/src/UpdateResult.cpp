#include "SparklePreferences/UpdateResult.h"

#include "SparklePreferences/Version.h"

#include <QGuiApplication>

namespace SparklePreferences {

QString UpdateResult::message() const
{
    const QString application = QGuiApplication::applicationDisplayName();
    const QString current = shortenedVersion(currentVersion);
    switch (outcome) {
    case Outcome::UpdateAvailable:
        return tr("%1 %2 is available; you have %3.")
            .arg(application, shortenedVersion(release ? release->displayVersion() : QString()), current);
    case Outcome::UpToDate:
        return tr("%1 %2 is up to date.").arg(application, current);
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
