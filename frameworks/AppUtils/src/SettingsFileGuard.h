#pragma once

#include "AppUtils/BoundedFile.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

// Keeps what a hostile settings file does to QSettings away from it: a value it would crash on,
// a lock it would wait on for ever, a link through which it would overwrite the person's file.
// Main thread only.
namespace AppUtils::SettingsFileGuard {

// Whether QSettings may parse the file at path. A value longer than 16 KiB is dropped from
// the file first (the rest is kept), with a line on stderr; false when that cannot be done, or
// the file cannot be read (readSettingsFile()). True when there is no file.
bool screened(const QString &path);

// Why a write cannot take the lock of the file at path now, after clearing a lock that never
// clears by itself; nullopt when it can, or when only the write itself can tell.
std::optional<QString> lockInTheWay(const QString &path);

// Why the file at path must not be written now (a link to a file that is not a settings file,
// or a lock in the way); nullopt when it may.
std::optional<QString> writeBlocked(const QString &path);

// The settings file's whole text, when it is a regular file (a link to one is followed) of at
// most 1 MiB; ours is a few kilobytes. Says on stderr why another is not read.
BoundedRead readSettingsFile(const QString &path);

// Writes data over the file at path at once: into a new file beside it, named for this alone
// (<name>.horavane-saving-XXXXXX), with the old file's permissions, flushed to disk, then renamed
// over it. False, and the file as it was, when any step fails. The caller holds the lock.
bool replaceFile(const QString &path, QByteArrayView data);

// Removes what saves killed half-way left beside the file at path (or the file it links to):
// replaceFile()'s new files, once they are a minute old and so belong to no save under way.
// Nothing else is touched, whatever its name.
void clearAbandonedWrites(const QString &path);

// Says line on stderr as warn() does, the first time only: the same trouble meets every save.
void warnOnce(const QString &line);

} // namespace AppUtils::SettingsFileGuard
