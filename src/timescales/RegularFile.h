#pragma once

#include <QByteArray>
#include <QString>

#include <variant>

// The contents of the regular file at path, or one line saying why they cannot be had: it is
// missing or unreadable, it is not a regular file (a named pipe, a device, a folder, a socket),
// or it holds more than maxBytes. A symbolic link is followed to a regular file only. Never waits
// for a writer, never opens a device, and never reads more than maxBytes + 1 bytes.
std::variant<QByteArray, QString> readRegularFile(const QString &path, qsizetype maxBytes);
