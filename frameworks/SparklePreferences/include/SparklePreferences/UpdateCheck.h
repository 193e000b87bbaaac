#pragma once

#include "SparklePreferences/UpdateResult.h"

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>

#include <chrono>
#include <optional>

class QNetworkReply;

namespace SparklePreferences {

// Fetches the release feed and compares its newest release with the running version,
// in the background on the calling thread's event loop.
class UpdateCheck : public QObject
{
    Q_OBJECT

public:
    // The most a feed may weigh; a larger answer is not read.
    static constexpr qint64 maxFeedBytes = 1024 * 1024;

    // feed: where the appcast lives; see isAllowedFeed. currentVersion: the running version,
    // compared with compareVersions.
    UpdateCheck(QUrl feed, QString currentVersion, QObject *parent = nullptr);
    ~UpdateCheck() override;

    // Starts a check unless one is running. The result always comes through finished(), later,
    // never from within this call: also when the feed address is refused.
    void start();
    bool isRunning() const;

    // How long a whole check may take before it counts as TimedOut; AppUtils::networkTimeout
    // unless set. Applies from the next start().
    void setTimeout(std::chrono::milliseconds timeout);

    const QUrl &feed() const;
    const QString &currentVersion() const;

    // Whether a feed may be fetched from url: https with a host, or http to a loopback address
    // (a feed served on this machine). A redirect must also keep the scheme it started with.
    static bool isAllowedFeed(const QUrl &url);

Q_SIGNALS:
    void finished(const UpdateResult &result);

private:
    void readBody();
    void followRedirect(const QUrl &target);
    void stopWith(UpdateResult verdict);
    void replyFinished();
    UpdateResult verdictOf(const QNetworkReply &reply) const;
    UpdateResult failure(UpdateResult::Outcome outcome, QString reason = {}) const;
    void finish(const UpdateResult &result);

    QUrl m_feed;
    QString m_currentVersion;
    std::chrono::milliseconds m_timeout;
    QNetworkAccessManager m_network;
    QTimer m_deadline;
    QNetworkReply *m_reply = nullptr; // owned by m_network; set while fetching
    QByteArray m_body;
    std::optional<UpdateResult> m_verdict; // set when the check is cut short
    bool m_running = false;
};

} // namespace SparklePreferences
