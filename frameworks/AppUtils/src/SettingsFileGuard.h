#pragma once

#include <QString>

#include <optional>

// Keeps what a hostile settings file does to QSettings away from it: a value it would crash on,
// a lock it would wait on for ever, a link through which it would overwrite the person's file.
// Main thread only.
namespace AppUtils::SettingsFileGuard {

// Whether QSettings may parse the file at path. A value longer than 16 KiB is dropped from
// the file first (the rest is kept), with a line on stderr; false when that cannot be done, or
// the path is no plain file.
bool screened(const QString &path);

// Why a write cannot take the lock of the file at path now, after clearing a lock that never
// clears by itself; nullopt when it can, or when only the write itself can tell.
std::optional<QString> lockInTheWay(const QString &path);

// Why the file at path must not be written now (a link to a file that is not a settings file,
// or a lock in the way); nullopt when it may.
std::optional<QString> writeBlocked(const QString &path);

// Removes what saves killed half-way left beside the file at path: QSaveFile's temporary
// copies (<name>.XXXXXX), once they are a minute old and so belong to no save under way.
void clearAbandonedWrites(const QString &path);

// Says line on stderr as warn() does, the first time only: the same trouble meets every save.
void warnOnce(const QString &line);

} // namespace AppUtils::SettingsFileGuard
