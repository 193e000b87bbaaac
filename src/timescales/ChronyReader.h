#pragma once

#include "ClockSync.h"

#include <QObject>
#include <QProcess>
#include <QTimer>

#include <chrono>
#include <optional>

// What chronyd says, asked through `chronyc -c -n tracking` once a minute, in a process of its
// own so that a daemon that does not answer never holds the clock up. A chronyc that is not
// installed is never looked for again; one that hangs is killed after the timeout; a daemon
// that does not answer, or answers nonsense, is asked less and less often, down to once in ten
// minutes, and a chronyc that hangs or answers nonsense is one line on stderr.
class ChronyReader : public QObject
{
    Q_OBJECT

public:
    // program: the chronyc to run, found on PATH when it has no folder.
    explicit ChronyReader(QString program = QStringLiteral("chronyc"),
        std::chrono::milliseconds timeout = std::chrono::seconds(2), QObject *parent = nullptr);

    // The last answer; none before the first, and while chronyd is not synchronised or not there.
    const std::optional<ClockSync> &latest() const { return m_latest; }
    // Whether chronyc has been asked once and has answered, failed or been given up.
    bool hasAnswered() const { return m_answered; }

Q_SIGNALS:
    void answered(); // after each attempt

private:
    void ask();
    void finish(std::optional<ClockSync> answer);
    // One line on stderr when what is wrong with chronyc changes; empty once it answers again.
    void say(const QString &problem);

    QString m_program;
    QProcess m_process;
    QTimer m_timeout; // kills a chronyc that hangs
    QTimer m_next; // the next question
    std::chrono::minutes m_backoff{1};
    std::optional<ClockSync> m_latest;
    QString m_problem; // what was last said
    bool m_answered = false;
};
