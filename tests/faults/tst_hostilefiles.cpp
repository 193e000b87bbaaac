#include "HoravaneProcess.h"
#include "SettingsFixture.h"

#include <QDirIterator>
#include <QRandomGenerator>
#include <QSettings>
#include <QTest>

#include <csignal>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace SettingsFixture;

namespace {
// Nested: an @Variant 40 000 lists deep, in [General]; locks a folder or a dangling link; LinkToDevice:
// to one that reads zeros without end (readable by all, unlike /dev/zero here); Huge: 4 GiB, sparse.
enum class Attack { Folder, Unreadable, Garbage, Nested, FolderLock, LinkLock, LinkToNovel, LinkToPipe, LinkToDevice, Huge };

const QByteArray novel = "Chapter 1\n\nIt was a dark and stormy night; the rain fell in torrents.\n";

// Puts the attack in place at path, where own belongs; home holds what links point to.
bool plant(Attack attack, const QString &path, const QByteArray &own, const QDir &home)
{
    QByteArray garbage(64 * 1024, Qt::Uninitialized);
    QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(garbage.data()), garbage.size() / 4);
    // Qt 4's stream of a list (type 9) of one item (count 1), each the next list, in INI escapes.
    const QByteArray nested = "nested=@Variant(" + QByteArray("\\0\\0\\0\\t\\0\\0\\0\\x1").repeated(40'000) + "\\0\\0\\0\\t\\0\\0\\0\\0)\n";
    const QString lock = path + u".lock"_s, target = home.filePath(u"novel.txt"_s);
    switch (attack) {
    case Attack::Folder: return (QFile::remove(path) || !QFile::exists(path)) && QDir().mkpath(path);
    case Attack::Unreadable: return writeFile(path, own) && QFile::setPermissions(path, {});
    case Attack::Garbage: return writeFile(path, garbage);
    case Attack::Nested: return writeFile(path, nested + own);
    case Attack::FolderLock: return QDir().mkpath(lock);
    case Attack::LinkLock: return QFile::link(u"gone"_s, lock);
    case Attack::LinkToNovel: return writeFile(target, novel) && QFile::remove(path) && QFile::link(target, path);
    case Attack::LinkToPipe: // a named pipe no one writes to
        return QDir().mkpath(QFileInfo(path).path()) && ::mkfifo(qPrintable(home.filePath(u"pipe"_s)), 0600) == 0
            && QFile::link(home.filePath(u"pipe"_s), path);
    case Attack::LinkToDevice: return QFile::remove(path) && QFile::link(u"/dev/full"_s, path);
    case Attack::Huge: return writeFile(path, own) && QFile(path).resize(qint64(4) << 30);
    }
    return false;
}

// Root reads and writes whatever the mode: the binary then runs as nobody, in a home handed over,
// as a copy in a folder nobody can reach (a build in root's own home is out of its reach), with
// the donation text in a shared data folder, searched after the attacked one in the home.
constexpr uid_t nobody = 65534;

bool handOver(HoravaneProcess &horavane, const QTemporaryDir &reachable)
{
    const QString home = horavane.homePath();
    bool ok = ::chown(qPrintable(home), nobody, nobody) == 0;
    for (QDirIterator it(home, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System, QDirIterator::Subdirectories); it.hasNext();)
        ok = ::lchown(qPrintable(it.next()), nobody, nobody) == 0 && ok;
    const QString program = reachable.filePath(u"horavane"_s), data = reachable.filePath(u"data"_s);
    ok = ok && ::chmod(qPrintable(reachable.path()), 0755) == 0 && QFile::copy(QStringLiteral(HORAVANE_BINARY), program)
        && QDir().mkpath(data + u"/horavane"_s) && QFile::copy(QStringLiteral(DONATION_RTF), data + u"/horavane/donation.rtf"_s);
    horavane.setProgram(program);
    horavane.environment().insert(u"XDG_DATA_DIRS"_s, data);
    return ok;
}
} // namespace

Q_DECLARE_METATYPE(Attack)

// The real binary, its files attacked, starts, ends with status 0, never overwrites what it could
// not read or is not its own, and loses no setting it could read.
class TestHostileFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsAndKeepsWhatItCan_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Attack>("attack");
        const QString settings = u".config/Horavane/Horavane.conf"_s, entry = u".config/autostart/horavane.desktop"_s;
        QTest::newRow("settings: folder") << settings << Attack::Folder;
        QTest::newRow("settings: unreadable") << settings << Attack::Unreadable;
        QTest::newRow("settings: garbage") << settings << Attack::Garbage;
        QTest::newRow("settings: nested @Variant") << settings << Attack::Nested;
        QTest::newRow("settings: lock a folder") << settings << Attack::FolderLock;
        QTest::newRow("settings: lock a dangling link") << settings << Attack::LinkLock;
        QTest::newRow("settings: a link to a novel") << settings << Attack::LinkToNovel;
        QTest::newRow("settings: a link to /dev/full, endless zeros") << settings << Attack::LinkToDevice;
        QTest::newRow("settings: 4 GiB") << settings << Attack::Huge;
        QTest::newRow("autostart: folder") << entry << Attack::Folder;
        QTest::newRow("Earth orientation: a link to a pipe") << u".local/share/horavane/finals.daily"_s << Attack::LinkToPipe;
        QTest::newRow("donation: folder") << u".local/share/horavane/donation.rtf"_s << Attack::Folder;
        QTest::newRow("socket: folder") << u"run/horavane.socket"_s << Attack::Folder;   // where a crash leaves it
    }

    void startsAndKeepsWhatItCan()
    {
        QFETCH(QString, file);
        QFETCH(Attack, attack);
        HoravaneProcess horavane;
        const QString path = QDir(horavane.homePath()).filePath(file);
        const bool donation = path.endsWith(u".rtf"_s), attacksSettings = path == horavane.settingsPath();
        QVERIFY(writeFile(horavane.settingsPath(), written(!donation)));
        QVERIFY(plant(attack, path, attacksSettings ? written() : QByteArray("[Desktop Entry]\nType=Application\nExec=/bin/true\n"), QDir(horavane.homePath())));
        const auto restorePermissions = [&] { QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner); };   // for the checks and the clean-up
        const auto restore = qScopeGuard(restorePermissions);
        const QTemporaryDir reachable;
        if (::geteuid() == 0) {
            QVERIFY(handOver(horavane, reachable));
            horavane.process().setChildProcessModifier([] {
                if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0)
                    ::_exit(127);
            });
        }
        horavane.start();   // 20 s: short of the 30 s a lock that cannot be taken would cost
        QVERIFY2(horavane.waitForLine(donation ? u"donation window shown"_s : u"launched"_s, 20000), qPrintable(horavane.lines().join(u'\n')));
        QVERIFY(horavane.waitForLine(u"launched"_s));
        ::kill(pid_t(horavane.process().processId()), SIGTERM);
        QVERIFY2(horavane.waitForExit(20000), "hangs at quit");
        QCOMPARE(std::pair(horavane.process().exitStatus(), horavane.process().exitCode()), std::pair(QProcess::NormalExit, 0));
        restorePermissions();

        QFile after(path);
        if (attack == Attack::Folder)
            QVERIFY2(QFileInfo(path).isDir(), "a folder of the person's is never replaced or removed");
        else if (!attacksSettings)   // launch at login rightly turns itself off when its entry cannot be made
            QCOMPARE(damage(horavane.settingsPath(), {u"PREFS_LaunchAtLogin"_s}), QStringList());
        else if (attack == Attack::Unreadable || attack == Attack::LinkToNovel || attack == Attack::Huge)
            QCOMPARE((after.open(QIODevice::ReadOnly), after.read(written().size())), attack == Attack::LinkToNovel ? novel : written());
        else if (attack == Attack::LinkToDevice)
            QCOMPARE(QFile::symLinkTarget(path), u"/dev/full"_s);
        else if (attack == Attack::Garbage)
            QCOMPARE(QSettings(path, QSettings::IniFormat).status(), QSettings::NoError);   // rewritten clean
        else
            QCOMPARE(damage(path), QStringList());
        QVERIFY(attack != Attack::Unreadable || !QFile::exists(QDir(horavane.homePath()).filePath(u".config/autostart/horavane.desktop"_s)));   // launch at login, unread
        const QString says = attack == Attack::Nested ? u"refused the setting \"nested\""_s : attack == Attack::LinkToNovel ? u"which is not a settings file"_s
            : attack == Attack::LinkToPipe ? u"finals.daily set aside: not a regular file"_s : QString();
        QVERIFY2(says.isEmpty() || !horavane.lines().filter(says).isEmpty(), qPrintable(horavane.lines().join(u'\n')));
        QVERIFY2(!QFileInfo(path + u".lock"_s).isSymLink() && !QFileInfo::exists(path + u".lock"_s), "a lock stays behind");
        QCOMPARE(QFileInfo(path).isSymLink(), attack == Attack::LinkToNovel || attack == Attack::LinkToPipe || attack == Attack::LinkToDevice);
        QVERIFY(attack != Attack::Huge || QFileInfo(path).size() == qint64(4) << 30);
        horavane.start({u"--now"_s});   // the one-shot reads the same files, still there
        QVERIFY2(horavane.waitForExit(20000) && horavane.process().exitCode() == 0, "--now hangs or fails");
    }
};

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
