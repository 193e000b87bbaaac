#pragma once

#include "TimeFacts.h"

#include <QByteArray>
#include <QDateTime>
#include <QLatin1StringView>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>

#include <chrono>
#include <memory>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

// Keeps an IERS finals file current in the user's data folder, in the background: fetched over
// https from the first of a list of addresses that gives a usable table, at most once a day
// while on, and kept under a name of its own, so that a file the person imported is never
// rewritten. The answer replaces the held copy only when it is a table that reaches at least as
// far; otherwise the held copy stays, state() says why in one line, and the fetch is tried again
// after an hour, then two, doubling up to a day.
class EarthOrientationDownload : public QObject
{
    Q_OBJECT

public:
    // The held copy's name in the folder: no IERS file is published under it, so no import
    // brings one of that name.
    static constexpr QLatin1StringView heldName{"finals2000A.downloaded"};
    // The largest answer read: finals2000A.all, the largest of the files, is under 4 MiB.
    static constexpr qint64 maximumBytes = 8 * 1024 * 1024;

    // folder: where the held copy is kept, the user's data folder that TimeSources reads.
    explicit EarthOrientationDownload(QString folder, QObject *parent = nullptr);
    ~EarthOrientationDownload() override;

    // Where to fetch from, in order, one address a line. Blank lines are skipped; a line that is
    // not an https address is left out, with a line on stderr.
    void setSources(const QString &lines);

    // On: a fetch soon when the held copy is older than a day or missing, then one a day (the
    // one timer aimed at the next fetch, nothing in between). Off: nothing is fetched, and a
    // fetch under way is dropped.
    void setOn(bool on);

    // Starts a fetch now unless one is under way, on or off. The outcome comes later, through
    // stateChanged(), never from within this call.
    void fetchNow();

    // How long one address may take to answer in all; AppUtils::networkTimeout unless set.
    void setTimeout(std::chrono::milliseconds timeout);

    const EarthOrientationDownloadState &state() const { return m_state; }
    QString heldPath() const;

Q_SIGNALS:
    void stateChanged(const EarthOrientationDownloadState &state);
    // The held copy was written anew: the data folder is worth reading again.
    void heldCopyReplaced();

private:
    void fetchFrom(qsizetype source);
    void checkLength();
    bool readBody(QNetworkReply &reply); // false once the body is over the limit
    void stopWith(const QString &why);
    void replyFinished();
    // Why the reply cannot replace the held copy; empty once it has replaced it, or when the
    // server says the held copy is still current.
    QString outcomeOf(QNetworkReply &reply);
    QString keep(const QByteArray &body);
    void finish(const QString &problem);
    void schedule();

    QString m_folder;
    QList<QUrl> m_sources;
    std::chrono::milliseconds m_timeout;
    std::unique_ptr<QNetworkAccessManager> m_network; // made at the first fetch
    QTimer m_deadline;
    QTimer m_due; // aimed at the next fetch
    QNetworkReply *m_reply = nullptr; // owned by m_network; set while fetching
    qsizetype m_source = 0; // the address being tried
    QByteArray m_body;
    std::optional<QString> m_cutShort; // why the fetch in hand was stopped
    QString m_firstProblem; // of this round: the first address's, which the others stand in for
    int m_failures = 0; // rounds in a row that failed
    std::optional<QDateTime> m_lastRound, m_lastSuccess; // of this run
    EarthOrientationDownloadState m_state;
};
