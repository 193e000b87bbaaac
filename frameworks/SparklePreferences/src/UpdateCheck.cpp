#include "SparklePreferences/UpdateCheck.h"

#include "SparklePreferences/Version.h"

#include <AppUtils/NetworkTimeout.h>

#include <QCoreApplication>
#include <QHostAddress>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <utility>

using namespace Qt::StringLiterals;

namespace SparklePreferences {

UpdateCheck::UpdateCheck(QUrl feed, QString currentVersion, QObject *parent)
    : QObject(parent)
    , m_feed(std::move(feed))
    , m_currentVersion(std::move(currentVersion))
    , m_timeout(AppUtils::networkTimeout)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] { stopWith(failure(UpdateResult::Outcome::TimedOut)); });
}

UpdateCheck::~UpdateCheck()
{
    // The reply would otherwise report its end to a half-destroyed check.
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

void UpdateCheck::start()
{
    if (m_running)
        return;
    m_running = true;
    if (!isAllowedFeed(m_feed)) {
        const UpdateResult refused = failure(UpdateResult::Outcome::Unreachable,
            tr("%1 is not a secure (https) address.").arg(m_feed.toDisplayString()));
        QMetaObject::invokeMethod(
            this, [this, refused] { finish(refused); }, Qt::QueuedConnection);
        return;
    }
    m_body.clear();
    m_verdict.reset();
    QNetworkRequest request(m_feed);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    request.setHeader(
        QNetworkRequest::UserAgentHeader, QString(QCoreApplication::applicationName() + u'/' + m_currentVersion));
    m_reply = m_network.get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &UpdateCheck::readBody);
    connect(m_reply, &QNetworkReply::redirected, this, &UpdateCheck::followRedirect);
    connect(m_reply, &QNetworkReply::finished, this, &UpdateCheck::replyFinished);
    m_deadline.start(m_timeout);
}

bool UpdateCheck::isRunning() const
{
    return m_running;
}

void UpdateCheck::setTimeout(std::chrono::milliseconds timeout)
{
    m_timeout = timeout;
}

const QUrl &UpdateCheck::feed() const
{
    return m_feed;
}

const QString &UpdateCheck::currentVersion() const
{
    return m_currentVersion;
}

bool UpdateCheck::isAllowedFeed(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    if (url.scheme() == u"https"_s)
        return true;
    return url.scheme() == u"http"_s && (url.host() == u"localhost"_s || QHostAddress(url.host()).isLoopback());
}

void UpdateCheck::readBody()
{
    // Read no more than one byte past the limit, so a huge answer never sits in memory.
    m_body += m_reply->read(maxFeedBytes + 1 - m_body.size());
    if (m_body.size() > maxFeedBytes)
        stopWith(failure(UpdateResult::Outcome::UnreadableFeed));
}

void UpdateCheck::followRedirect(const QUrl &target)
{
    if (target.scheme() == m_feed.scheme() && isAllowedFeed(target)) {
        Q_EMIT m_reply->redirectAllowed();
        return;
    }
    stopWith(failure(UpdateResult::Outcome::Unreachable,
        tr("the server sent the request on to %1, which is not allowed.").arg(target.toDisplayString())));
}

void UpdateCheck::stopWith(UpdateResult verdict)
{
    m_verdict = std::move(verdict);
    m_reply->abort(); // ends in replyFinished(), which reports the verdict
}

void UpdateCheck::replyFinished()
{
    m_deadline.stop();
    QNetworkReply *reply = std::exchange(m_reply, nullptr);
    reply->deleteLater();
    if (!m_verdict) {
        m_body += reply->read(maxFeedBytes + 1 - m_body.size());
        m_verdict = m_body.size() > maxFeedBytes ? failure(UpdateResult::Outcome::UnreadableFeed) : verdictOf(*reply);
    }
    m_body.clear();
    finish(*std::exchange(m_verdict, std::nullopt));
}

UpdateResult UpdateCheck::verdictOf(const QNetworkReply &reply) const
{
    if (reply.error() != QNetworkReply::NoError) {
        const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (status >= 400) {
            const QString phrase = reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
            return failure(UpdateResult::Outcome::Unreachable,
                tr("the server answered %1 %2.").arg(QString::number(status), phrase.simplified()));
        }
        return failure(UpdateResult::Outcome::Unreachable, reply.errorString());
    }
    const std::optional<QList<Release>> releases = parseAppcast(m_body);
    std::optional<Release> newest = releases ? newestRelease(*releases) : std::nullopt;
    if (!newest)
        return failure(UpdateResult::Outcome::UnreadableFeed);
    const bool newer = compareVersions(newest->version, m_currentVersion) > 0;
    return {newer ? UpdateResult::Outcome::UpdateAvailable : UpdateResult::Outcome::UpToDate, m_currentVersion,
        std::move(newest), {}};
}

UpdateResult UpdateCheck::failure(UpdateResult::Outcome outcome, QString reason) const
{
    return {outcome, m_currentVersion, std::nullopt, std::move(reason)};
}

void UpdateCheck::finish(const UpdateResult &result)
{
    m_running = false;
    Q_EMIT finished(result);
}

} // namespace SparklePreferences
