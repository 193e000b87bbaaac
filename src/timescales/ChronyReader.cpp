#include "ChronyReader.h"

#include <AppUtils/Warning.h>

#include <QFileInfo>
#include <QStandardPaths>

using namespace std::chrono_literals;

namespace {
// chronyc's answer is one line of about 150 bytes: more is not its answer.
constexpr qint64 longestAnswer = 4096;
constexpr std::chrono::minutes interval = 1min;
constexpr std::chrono::minutes longestBackoff = 10min;
} // namespace

ChronyReader::ChronyReader(QString program, std::chrono::milliseconds timeout, QObject *parent)
    : QObject(parent)
    , m_program(std::move(program))
{
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(timeout);
    m_next.setSingleShot(true);
    m_next.setTimerType(Qt::VeryCoarseTimer);
    m_process.setStandardInputFile(QProcess::nullDevice());
    m_process.setStandardErrorFile(QProcess::nullDevice());
    connect(&m_timeout, &QTimer::timeout, &m_process, &QProcess::kill);
    connect(&m_process, &QProcess::readyReadStandardOutput, this, [this] {
        if (m_process.bytesAvailable() > longestAnswer)
            m_process.kill();
    });
    connect(&m_process, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
        const QByteArray out = m_process.readAllStandardOutput();
        const bool timedOut = !m_timeout.isActive();
        const bool spoke = !timedOut && status == QProcess::NormalExit && code == 0 && out.size() <= longestAnswer;
        std::optional<ClockSync> answer = spoke ? clockSyncFromChrony(out) : std::nullopt;
        // A chronyd that is not running (chronyc fails), or not synchronised yet, is no fault.
        if (timedOut)
            say(tr("chronyc did not answer within %1 s").arg(double(m_timeout.interval()) / 1000));
        else if (out.size() > longestAnswer || (spoke && !answer && !out.endsWith(",Not synchronised\n")))
            say(tr("chronyc answered something other than chrony's tracking report"));
        else
            say({});
        finish(std::move(answer));
    });
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) // no finished() follows
            finish(std::nullopt);
    });
    // Without chronyc there is no chronyd to ask: nothing is scheduled, ever.
    if (QStandardPaths::findExecutable(m_program).isEmpty() && !QFileInfo(m_program).isExecutable()) {
        m_answered = true;
        return;
    }
    QTimer::singleShot(0, this, &ChronyReader::ask);
}

void ChronyReader::ask()
{
    m_timeout.start(); // first: a chronyc that cannot start says so at once
    m_process.start(m_program, {QStringLiteral("-c"), QStringLiteral("-n"), QStringLiteral("tracking")});
}

void ChronyReader::say(const QString &problem)
{
    if (problem != m_problem && !problem.isEmpty())
        AppUtils::warn(tr("chrony passed over: %1").arg(problem));
    m_problem = problem;
}

void ChronyReader::finish(std::optional<ClockSync> answer)
{
    m_timeout.stop();
    // A synchronised daemon is asked again in a minute; silence, nonsense or a daemon not
    // synchronised yet wait twice as long each time, up to ten minutes.
    if (answer) {
        m_backoff = interval;
        m_next.start(interval);
    } else {
        m_next.start(m_backoff);
        m_backoff = std::min(m_backoff * 2, longestBackoff);
    }
    m_latest = std::move(answer);
    m_answered = true;
    Q_EMIT answered();
}
