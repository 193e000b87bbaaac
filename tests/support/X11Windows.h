#pragma once

#include <QDeadlineTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>

#include <functional>

// The real windows of a process on the test's X server, found and driven with xdotool the way
// a person's keyboard would drive them.
namespace X11Windows {

inline QStringList xdotool(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

// Ids of the visible windows of pid whose title is exactly title.
inline QStringList visible(qint64 pid, const QString &title)
{
    return xdotool({QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
                    QStringLiteral("--pid"), QString::number(pid), QStringLiteral("--name"),
                    u'^' + QRegularExpression::escape(title) + u'$'});
}

inline bool waitUntil(const std::function<bool()> &condition, int timeoutMs = 15000)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(100);
    }
    return true;
}

// Focuses the window and presses keys ("ctrl+2") on the keyboard, as a person would. Without
// a window manager a program that is still opening a window may take the focus back, so the
// focus is given until it stays.
inline void press(const QString &windowId, const QString &keys)
{
    waitUntil([&] {
        xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), windowId});
        QTest::qWait(200);
        return xdotool({QStringLiteral("getwindowfocus")}).value(0) == windowId;
    });
    xdotool({QStringLiteral("key"), keys});
}

} // namespace X11Windows
