#pragma once

#include <QFile>

#include <cstdlib>

#include <unistd.h>

inline bool writeFile(const QString &path, const QByteArray &content,
                      QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size()
        && file.setPermissions(permissions);
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// File permissions do not bind root, and CI runs the tests as root. While an object of this
// class lives, a test running as root acts as the user "nobody" (effective ids only, so they
// come back at the end). ok() is false when that cannot be done.
class Unprivileged
{
public:
    Unprivileged() = default;
    ~Unprivileged()
    {
        if (m_wasRoot && (seteuid(0) != 0 || setegid(0) != 0))
            std::abort();   // the tests that follow would run with the wrong rights
    }
    Unprivileged(const Unprivileged &) = delete;
    Unprivileged &operator=(const Unprivileged &) = delete;

    bool ok() const { return m_ok; }

private:
    bool m_wasRoot = geteuid() == 0;
    bool m_ok = !m_wasRoot || (setegid(65534) == 0 && seteuid(65534) == 0);
};
