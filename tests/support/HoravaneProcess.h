#pragma once

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

// The real horavane binary in a home of its own, with its launch and shutdown steps written to
// stderr, for end-to-end tests. HORAVANE_BINARY is set by the test's CMake target.
class HoravaneProcess
{
public:
    HoravaneProcess()
    {
        const std::pair<const char *, const char *> folders[] = {{"HOME", ""}, {"XDG_CONFIG_HOME", ".config"}, {"XDG_DATA_HOME", ".local/share"}, {"XDG_RUNTIME_DIR", "run"}};
        for (const auto &[name, path] : folders)
            m_environment.insert(QString::fromLatin1(name), m_home.filePath(QString::fromLatin1(path)));
        m_environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("horavane.lifecycle.debug=true"));
        QDir(m_home.path()).mkpath(QStringLiteral("run"));
        QFile::setPermissions(m_home.filePath(QStringLiteral("run")), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        shieldFromTheMachinesTimeDaemons();
    }

    ~HoravaneProcess()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

    QProcessEnvironment &environment() { return m_environment; }
    QString settingsPath() const { return m_home.filePath(QStringLiteral(".config/Horavane/Horavane.conf")); }
    QString homePath() const { return m_home.path(); }
    QProcess &process() { return m_process; }
    // Runs the binary at path instead of the one built beside the test.
    void setProgram(const QString &path) { m_program = path; }
    // Starts the process with descriptor fd closed, as `horavane 2>&-` does.
    void closeAtStart(int fd)
    {
        m_process.setChildProcessModifier([fd] { ::close(fd); });
    }

    void start(const QStringList &arguments = {})
    {
        m_output.clear();
        m_process.setProcessEnvironment(m_environment);
        m_process.start(m_program, arguments);
    }

    // Everything the process wrote to stderr so far, one entry a line.
    QStringList lines()
    {
        m_output += QString::fromUtf8(m_process.readAllStandardError());
        return m_output.split(u'\n', Qt::SkipEmptyParts);
    }

    bool waitForLine(const QString &needle, int timeoutMs = 20000)
    {
        for (QDeadlineTimer deadline(timeoutMs); lines().filter(needle).isEmpty(); m_process.waitForReadyRead(100))
            if (deadline.hasExpired() || m_process.state() == QProcess::NotRunning)
                return false;
        return true;
    }

    bool waitForExit(int timeoutMs = 20000) { return m_process.waitForFinished(timeoutMs); }

    // Whether the program ran chronyc to ask what the clock is synchronised to.
    bool chronycAsked() const { return QFile::exists(m_home.filePath(QStringLiteral("bin/chronyc-asked"))); }

private:
    // What the clock is synchronised to would otherwise depend on the machine the test runs on:
    // its chronyc answers as when no chronyd runs, and there is no system bus for timesyncd.
    void shieldFromTheMachinesTimeDaemons()
    {
        const QString bin = m_home.filePath(QStringLiteral("bin"));
        QDir().mkpath(bin);
        QFile chronyc(bin + QStringLiteral("/chronyc"));
        QVERIFY(chronyc.open(QIODevice::WriteOnly));
        chronyc.write("#!/bin/sh\ntouch \"$0-asked\"\necho '506 Cannot talk to daemon' >&2\nexit 1\n");
        chronyc.close();
        chronyc.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        m_environment.insert(QStringLiteral("PATH"), bin + u':' + m_environment.value(QStringLiteral("PATH")));
        m_environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), QStringLiteral("unix:path=") + m_home.filePath(QStringLiteral("no-system-bus")));
    }

    QTemporaryDir m_home;
    QProcess m_process;
    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();
    QString m_output;
    QString m_program = QStringLiteral(HORAVANE_BINARY);
};
