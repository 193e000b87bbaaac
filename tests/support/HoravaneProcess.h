#pragma once

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// The real horavane binary in a home of its own, with its launch and shutdown steps written to
// stderr, for end-to-end tests. HORAVANE_BINARY is set by the test's CMake target.
class HoravaneProcess
{
public:
    HoravaneProcess()
    {
        m_environment.insert(QStringLiteral("HOME"), m_home.path());
        m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral(".config")));
        m_environment.insert(QStringLiteral("XDG_DATA_HOME"), m_home.filePath(QStringLiteral(".local/share")));
        m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.filePath(QStringLiteral("run")));
        m_environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("horavane.lifecycle.debug=true"));
        QDir(m_home.path()).mkpath(QStringLiteral("run"));
        QFile::setPermissions(m_home.filePath(QStringLiteral("run")), QFileDevice::ReadOwner
                                  | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
    }

    ~HoravaneProcess()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }

    QProcessEnvironment &environment() { return m_environment; }
    QString settingsPath() const { return m_home.filePath(QStringLiteral(".config/Horavane/Horavane.conf")); }
    QString homePath() const { return m_home.path(); }
    QProcess &process() { return m_process; }

    void start()
    {
        m_output.clear();
        m_process.setProcessEnvironment(m_environment);
        m_process.start(QStringLiteral(HORAVANE_BINARY), {});
    }

    // Everything the process wrote to stderr so far, one entry a line.
    QStringList lines()
    {
        m_output += QString::fromUtf8(m_process.readAllStandardError());
        return m_output.split(u'\n', Qt::SkipEmptyParts);
    }

    bool waitForLine(const QString &needle, int timeoutMs = 20000)
    {
        QDeadlineTimer deadline(timeoutMs);
        while (!deadline.hasExpired()) {
            for (const QString &line : lines())
                if (line.contains(needle))
                    return true;
            if (m_process.state() == QProcess::NotRunning)
                return false;
            m_process.waitForReadyRead(100);
        }
        return false;
    }

    bool waitForExit(int timeoutMs = 20000)
    {
        const bool finished = m_process.waitForFinished(timeoutMs);
        lines();
        return finished;
    }

private:
    QTemporaryDir m_home;
    QProcess m_process;
    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();
    QString m_output;
};
