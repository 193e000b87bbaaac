#include "EarthOrientationDownload.h"

#include "EarthOrientation.h"

#include <AppUtils/BoundedFile.h>
#include <AppUtils/NetworkTimeout.h>
#include <AppUtils/Warning.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <algorithm>
#include <utility>
#include <variant>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

constexpr std::chrono::hours checkInterval(24);
constexpr std::chrono::hours firstRetry(1);

QString failed(const QString &why)
{
    return EarthOrientationDownload::tr("IERS download failed: %1").arg(why);
}

QString tooLarge()
{
    return EarthOrientationDownload::tr("larger than %1 MiB").arg(EarthOrientationDownload::maximumBytes >> 20);
}

// The day a modified Julian date names, as ISO 8601.
QString dayOf(int mjd)
{
    return QDate::fromJulianDay(mjd + 2400001).toString(Qt::ISODate);
}

// The last day of the table the file at path holds, if it holds one.
std::optional<int> lastDayOf(const QString &path)
{
    const AppUtils::BoundedRead read
        = AppUtils::readBoundedFile(path, EarthOrientation::maximumSize, AppUtils::Links::refuse);
    if (read.status != AppUtils::BoundedRead::Status::read)
        return std::nullopt;
    const auto parsed = EarthOrientation::parse(read.data);
    const auto *table = std::get_if<EarthOrientation>(&parsed);
    return table ? std::optional(table->rows().back().mjd) : std::nullopt;
}

} // namespace

EarthOrientationDownload::EarthOrientationDownload(QString folder, QObject *parent)
    : QObject(parent)
    , m_folder(std::move(folder))
    , m_timeout(AppUtils::networkTimeout)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        stopWith(tr("no answer within %1 s").arg(QString::number(double(m_timeout.count()) / 1000, 'g', 3)));
    });
    m_due.setSingleShot(true);
    m_due.setTimerType(Qt::VeryCoarseTimer); // a day's wait need not be kept to the millisecond
    connect(&m_due, &QTimer::timeout, this, &EarthOrientationDownload::fetchNow);
}

EarthOrientationDownload::~EarthOrientationDownload()
{
    // The reply would otherwise report its end to a half-destroyed download.
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

void EarthOrientationDownload::setSources(const QString &lines)
{
    m_sources.clear();
    for (const QString &line : lines.split(u'\n')) {
        const QString address = line.trimmed();
        if (address.isEmpty())
            continue;
        const QUrl url(address, QUrl::StrictMode);
        if (url.isValid() && url.scheme() == u"https"_s && !url.host().isEmpty())
            m_sources.append(url);
        else
            AppUtils::warn(tr("%1 is left out of the Earth-orientation sources: not an https address").arg(address));
    }
}

void EarthOrientationDownload::setOn(bool on)
{
    if (on == m_state.on)
        return;
    m_state.on = on;
    if (!on && m_state.running) { // turned off: no more contact with the server
        m_deadline.stop();
        if (m_reply) {
            m_reply->disconnect(this);
            m_reply->abort();
            std::exchange(m_reply, nullptr)->deleteLater();
        }
        m_state.running = false;
    }
    schedule();
    Q_EMIT stateChanged(m_state);
}

void EarthOrientationDownload::fetchNow()
{
    if (m_state.running)
        return;
    m_due.stop();
    m_state.running = true;
    m_firstProblem.clear();
    Q_EMIT stateChanged(m_state);
    // Later, from the event loop: also when there is nothing to fetch from.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!m_state.running) // turned off meanwhile
                return;
            if (m_sources.isEmpty())
                finish(failed(tr("no https address to download from")));
            else
                fetchFrom(0);
        },
        Qt::QueuedConnection);
}

void EarthOrientationDownload::setTimeout(std::chrono::milliseconds timeout)
{
    m_timeout = timeout;
}

QString EarthOrientationDownload::heldPath() const
{
    return m_folder + u'/' + heldName;
}

void EarthOrientationDownload::fetchFrom(qsizetype source)
{
    if (!m_state.running) // turned off meanwhile
        return;
    if (!m_network)
        m_network = std::make_unique<QNetworkAccessManager>();
    m_source = source;
    m_body.clear();
    m_cutShort.reset();
    QNetworkRequest request(m_sources[source]);
    // Qt refuses a redirect from https to http itself; outcomeOf() checks where it ended.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    request.setHeader(QNetworkRequest::UserAgentHeader,
        QString(QCoreApplication::applicationName() + u'/' + QCoreApplication::applicationVersion()));
    const QFileInfo held(heldPath());
    if (held.isFile())
        request.setHeader(QNetworkRequest::IfModifiedSinceHeader, held.lastModified().toUTC());
    m_reply = m_network->get(request);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &EarthOrientationDownload::checkLength);
    connect(m_reply, &QNetworkReply::readyRead, this, [this] {
        if (!readBody(*m_reply))
            stopWith(tooLarge());
    });
    connect(m_reply, &QNetworkReply::finished, this, &EarthOrientationDownload::replyFinished);
    m_deadline.start(m_timeout);
}

void EarthOrientationDownload::checkLength()
{
    if (m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > maximumBytes)
        stopWith(tooLarge());
}

bool EarthOrientationDownload::readBody(QNetworkReply &reply)
{
    // Never more than one byte past the limit in memory, however much the server sends.
    m_body += reply.read(maximumBytes + 1 - m_body.size());
    return m_body.size() <= maximumBytes;
}

void EarthOrientationDownload::stopWith(const QString &why)
{
    if (!m_reply || m_cutShort)
        return;
    m_cutShort = why;
    m_reply->abort(); // ends in replyFinished(), which says why
}

void EarthOrientationDownload::replyFinished()
{
    m_deadline.stop();
    QNetworkReply *reply = std::exchange(m_reply, nullptr);
    reply->deleteLater();
    const QString problem = outcomeOf(*reply);
    m_body.clear();
    if (problem.isEmpty()) {
        finish({});
        return;
    }
    if (m_firstProblem.isEmpty())
        m_firstProblem = problem;
    if (m_source + 1 < m_sources.size())
        QMetaObject::invokeMethod(this, [this, next = m_source + 1] { fetchFrom(next); }, Qt::QueuedConnection);
    else
        finish(m_firstProblem);
}

QString EarthOrientationDownload::outcomeOf(QNetworkReply &reply)
{
    if (m_cutShort)
        return failed(*m_cutShort);
    if (reply.error() == QNetworkReply::InsecureRedirectError || reply.url().scheme() != u"https"_s)
        return failed(tr("sent on to an address that is not https"));
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status == 304) { // the held copy is current: that counts as a check
        QFile held(heldPath());
        if (held.open(QIODevice::ReadWrite))
            held.setFileTime(QDateTime::currentDateTimeUtc(), QFileDevice::FileModificationTime);
        return {};
    }
    if (status >= 400)
        return failed(tr("HTTP %1").arg(status));
    if (!readBody(reply)) // what is left of it
        return failed(tooLarge());
    const qint64 announced = reply.header(QNetworkRequest::ContentLengthHeader).toLongLong();
    if (announced > m_body.size())
        return failed(tr("cut short after %1 of %2 bytes").arg(m_body.size()).arg(announced));
    if (reply.error() != QNetworkReply::NoError)
        return failed(reply.errorString());
    return keep(m_body);
}

QString EarthOrientationDownload::keep(const QByteArray &body)
{
    if (body.trimmed().startsWith('<'))
        return tr("not a finals file: an HTML page");
    auto parsed = EarthOrientation::parse(body);
    if (const QString *why = std::get_if<QString>(&parsed))
        return tr("not a finals file: %1").arg(*why);
    const int reaches = std::get<EarthOrientation>(parsed).rows().back().mjd;
    if (const std::optional<int> held = lastDayOf(heldPath()); held && reaches < *held)
        return tr("the download reaches %1, less far than the file held (%2)").arg(dayOf(reaches), dayOf(*held));
    if (const QString why = AppUtils::replaceFile(m_folder, heldName, body); !why.isEmpty())
        return tr("IERS download not kept: %1").arg(why);
    Q_EMIT heldCopyReplaced();
    return {};
}

void EarthOrientationDownload::finish(const QString &problem)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    m_lastRound = now;
    if (problem.isEmpty()) {
        m_failures = 0;
        m_lastSuccess = now;
    } else {
        ++m_failures;
        AppUtils::warn(problem);
    }
    m_state.running = false;
    m_state.problem = problem;
    schedule();
    Q_EMIT stateChanged(m_state);
}

void EarthOrientationDownload::schedule()
{
    m_due.stop();
    if (!m_state.on || m_state.running)
        return;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    QDateTime due = now; // a missing copy is fetched at once
    if (m_failures > 0) {
        const auto wait = std::min<std::chrono::milliseconds>(firstRetry * (1LL << std::min(m_failures - 1, 5)), checkInterval);
        due = m_lastRound->addDuration(wait);
    } else {
        // The last check: this run's, else the held copy's time (written or confirmed then).
        const QFileInfo held(heldPath());
        std::optional<QDateTime> checked = m_lastSuccess;
        if (held.isFile() && (!checked || held.lastModified() > *checked))
            checked = held.lastModified().toUTC();
        if (checked)
            due = checked->addDuration(checkInterval);
    }
    // A copy dated in the future (a clock set wrong) waits a day, not until then.
    const auto wait = std::clamp<std::chrono::milliseconds>(
        std::chrono::milliseconds(now.msecsTo(due)), 0ms, std::chrono::milliseconds(checkInterval));
    m_due.start(wait);
}
