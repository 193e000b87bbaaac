#pragma once

#include "SparklePreferences/Appcast.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

namespace SparklePreferences {

// What one update check found out.
struct UpdateResult
{
    enum class Outcome {
        UpdateAvailable, // the feed's newest release is newer than the running version
        UpToDate, // it is not
        Unreachable, // no usable answer from the server: see reason
        UnreadableFeed, // an answer that is not a feed naming at least one release
        TimedOut, // no complete answer within the check's time limit
    };

    Outcome outcome = Outcome::Unreachable;
    QString currentVersion;
    std::optional<Release> release; // the feed's newest release, when the feed could be read
    QString reason; // for Unreachable: the network's or server's explanation

    // One plain sentence for the user, naming the application (applicationDisplayName), e.g.
    // "Horavane 1.0.0 is up to date." Versions appear shortened (shortenedVersion); release
    // notes are not part of it.
    QString message() const;

    Q_DECLARE_TR_FUNCTIONS(SparklePreferences::UpdateResult)
};

} // namespace SparklePreferences
