#pragma once

#include "EarthOrientation.h"
#include "LeapSeconds.h"
#include "TimeFacts.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>
#include <vector>

// Where UT1 − UTC, the leap seconds and the clock's health come from, kept up to date: the
// Earth-orientation files of the data folders (what changed read again a moment after a
// folder or a file in it changes, or a missing folder appears), a typed
// DUT1, the system's leap-second list (given to ERFA at start), the kernel's clock state and
// what the synchronisation daemon says.
class TimeSources : public QObject
{
    Q_OBJECT

public:
    struct Places
    {
        QString userFolder; // where imports go, searched first
        QStringList sharedFolders; // then these, in order (an observatory's, for all users)
        QString leapSecondList;
    };
    using ClockReader = std::function<std::optional<ClockHealth>()>;
    using SyncReader = std::function<std::optional<ClockSync>()>;

    // $XDG_DATA_HOME/horavane, each $XDG_DATA_DIRS entry's horavane/, and tzdata's list.
    static Places systemPlaces();
    // The one set of sources, on the system's places, made at first use.
    static TimeSources &shared();

    // readSync: the synchronisation daemon's latest word; none asked without it.
    explicit TimeSources(Places places, ClockReader readClock = &readClockHealth, SyncReader readSync = {});

    void setTypedDut1(const std::optional<TypedDut1> &typed);
    // What the Earth-orientation download is doing, carried by the facts from now on.
    void setDownloadState(const EarthOrientationDownloadState &state);

    // The facts at now, the kernel's clock state read afresh, the daemon's as it last said.
    TimeFacts factsAt(std::chrono::system_clock::time_point now);

    // Checks the file at path and copies it, under its own name, into the user folder: in one
    // step, so that an existing file of that name stays whole until the new one replaces it.
    // nullopt once it is in use; otherwise why nothing was changed.
    std::optional<QString> importEarthOrientation(const QString &path);

    // Reads again the files of the data folders that changed (or appeared) since they were last
    // read: a file that now fails keeps its last good table in use.
    void rescan();

private:
    // A file's identity and state as the kernel gives them: a change of any means new contents.
    struct FileStamp
    {
        quint64 device = 0, inode = 0;
        qint64 size = 0, modifiedNs = 0, changedNs = 0;
        bool operator==(const FileStamp &) const = default;
    };
    struct DataFile
    {
        QString path;
        QString name; // without the folder, as a reading names its source each second
        std::optional<FileStamp> stamp; // of what was last read
        std::optional<EarthOrientation> table; // the last good reading of it
        QString problem; // why what it holds now is set aside; empty while it is in use
    };

    static std::optional<FileStamp> stampOf(const QString &path);
    // Its table, if it now holds one, else why not (keeping the last good table).
    static void readAgain(DataFile &file);
    QStringList folders() const;
    Ut1Source ut1At(std::chrono::system_clock::time_point now) const;
    void loadLeapSeconds();
    void watch(const QSet<QString> &reread);

    Places m_places;
    ClockReader m_readClock;
    SyncReader m_readSync;
    std::vector<DataFile> m_files; // in search order
    QString m_earthOrientationProblem;
    QStringList m_unreadableFolders; // as at the last reading
    std::optional<TypedDut1> m_typed;
    EarthOrientationDownloadState m_download;
    LeapSecondState m_leapSeconds;
    QFileSystemWatcher m_watcher;
    QTimer m_settle; // from the first change of a burst to the reading
};
