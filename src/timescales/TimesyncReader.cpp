#include "TimesyncReader.h"

#include <AppUtils/Warning.h>

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QHostAddress>
#include <QtEndian>

#include <sys/socket.h>

using namespace Qt::StringLiterals;

namespace {
const QString service = u"org.freedesktop.timesync1"_s;
const QString path = u"/org/freedesktop/timesync1"_s;
const QString manager = u"org.freedesktop.timesync1.Manager"_s;
const QString properties = u"org.freedesktop.DBus.Properties"_s;
constexpr int callTimeoutMs = 2000;

// ServerAddress, (iay): the address family and its bytes.
QString addressText(const QVariant &value)
{
    if (value.metaType() != QMetaType::fromType<QDBusArgument>())
        return {};
    const auto argument = value.value<QDBusArgument>();
    if (argument.currentSignature() != "(iay)"_L1)
        return {};
    qint32 family = 0;
    QByteArray bytes;
    argument.beginStructure();
    argument >> family >> bytes;
    argument.endStructure();
    if (family == AF_INET && bytes.size() == 4)
        return QHostAddress(qFromBigEndian<quint32>(bytes.constData())).toString();
    if (family == AF_INET6 && bytes.size() == 16)
        return QHostAddress(reinterpret_cast<const quint8 *>(bytes.constData())).toString();
    return {};
}
} // namespace

TimesyncReader::TimesyncReader(QDBusConnection bus, QObject *parent)
    : QObject(parent)
    , m_bus(std::move(bus))
    , m_watcher(service, m_bus, QDBusServiceWatcher::WatchForOwnerChange)
{
    if (!m_bus.isConnected()) { // no system bus, as in some containers: nobody to ask
        m_answered = true;
        return;
    }
    connect(&m_watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
        [this](const QString &, const QString &, const QString &owner) {
            if (owner.isEmpty())
                finish(std::nullopt);
            else
                ask();
        });
    m_bus.connect(service, path, properties, u"PropertiesChanged"_s, this,
        SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
    ask();
}

void TimesyncReader::propertiesChanged(const QString &interface, const QVariantMap &, const QStringList &)
{
    if (interface == manager)
        ask();
}

void TimesyncReader::ask()
{
    if (m_asking) { // one question at a time, however often the answer changes
        m_askAgain = true;
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, properties, u"GetAll"_s);
    call << manager;
    call.setAutoStartService(false); // a stopped timesyncd stays stopped
    m_asking = true;
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, callTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, &TimesyncReader::take);
}

void TimesyncReader::take(QDBusPendingCallWatcher *call)
{
    call->deleteLater();
    m_asking = false;
    const QDBusPendingReply<QVariantMap> reply = *call;
    QString wrong;
    std::optional<ClockSync> answer = reply.isValid() ? fromProperties(reply.value(), &wrong) : std::nullopt;
    if (wrong != m_wrong && !wrong.isEmpty())
        AppUtils::warn(tr("systemd-timesyncd passed over: %1").arg(wrong));
    m_wrong = wrong;
    finish(std::move(answer));
    if (std::exchange(m_askAgain, false))
        ask();
}

void TimesyncReader::finish(std::optional<ClockSync> answer)
{
    m_latest = std::move(answer);
    m_answered = true;
    Q_EMIT answered();
}

std::optional<ClockSync> TimesyncReader::fromProperties(const QVariantMap &properties, QString *wrong)
{
    const QVariant name = properties.value(u"ServerName"_s);
    const QVariant message = properties.value(u"NTPMessage"_s);
    const auto refuse = [wrong](const QString &why) {
        if (wrong)
            *wrong = why;
        return std::nullopt;
    };
    if (name.metaType() != QMetaType::fromType<QString>())
        return refuse(tr("ServerName is not a string"));
    if (message.metaType() != QMetaType::fromType<QDBusArgument>()
        || message.value<QDBusArgument>().currentSignature() != "(uuuuittayttttbtt)"_L1)
        return refuse(tr("NTPMessage is not an NTP message"));
    NtpMessage ntp;
    const auto argument = message.value<QDBusArgument>();
    argument.beginStructure();
    argument >> ntp.leap >> ntp.version >> ntp.mode >> ntp.stratum >> ntp.precision >> ntp.rootDelay
        >> ntp.rootDispersion >> ntp.referenceId >> ntp.origin >> ntp.receive >> ntp.transmit >> ntp.destination
        >> ntp.spike >> ntp.packetCount >> ntp.jitter;
    argument.endStructure();
    QString server = name.toString();
    if (server.isEmpty()) // a server given by its address alone
        server = addressText(properties.value(u"ServerAddress"_s));
    return clockSyncFromNtp(ntp, server);
}
