#include "HoravaneProcess.h"
#include "SettingsFixture.h"

#include <QDirIterator>
#include <QRandomGenerator>
#include <QSettings>
#include <QTest>

#include <csignal>
#include <grp.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace SettingsFixture;

namespace {

enum class Attack {
    Folder, Unreadable, Unwritable, Huge, Garbage,
    NestedFirst, NestedLast,           // an @Variant 40 000 lists deep, in [General] or in the last section
    EmptyLock, FolderLock, LinkLock,   // locks left behind: by a save killed while taking it, and others
    LinkToNovel, LinkToSettings,       // the file a link to the person's novel, or to settings kept elsewhere
};

const QByteArray novel = "Chapter 1\n\nIt was a dark and stormy night; the rain fell in torrents.\n";

// Puts the attack in place at path, where own belongs; home holds what links point to.
bool plant(Attack attack, const QString &path, const QByteArray &own, const QDir &home)
{
    const auto garbage = [](qsizetype size) {
        QByteArray bytes(size, Qt::Uninitialized);
        QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
        return bytes;
    };
    // Qt 4's stream of a list (type 9) of one item (count 1), each the next list, in INI escapes.
    const QByteArray nested = "nested=@Variant(" + QByteArray("\\0\\0\\0\\t\\0\\0\\0\\x1").repeated(40'000) + "\\0\\0\\0\\t\\0\\0\\0\\0)\n";
    const QString lock = path + u".lock"_s;
    const auto linkTo = [&](const QString &name, const QByteArray &content) {
        return writeFile(home.filePath(name), content) && QFile::remove(path) && QFile::link(home.filePath(name), path);
    };
    switch (attack) {
    case Attack::Folder: return (QFile::remove(path) || !QFile::exists(path)) && QDir().mkpath(path);
    case Attack::Unreadable: return writeFile(path, own) && QFile::setPermissions(path, {});
    case Attack::Unwritable: return QDir().mkpath(QFileInfo(path).path()) && QFile::setPermissions(QFileInfo(path).path(), QFile::ReadOwner | QFile::ExeOwner);
    case Attack::Huge: return writeFile(path, own + garbage(50'000'000).replace('\n', '#').replace('\r', '#').replace('=', '#'));
    case Attack::Garbage: return writeFile(path, garbage(64 * 1024));
    case Attack::NestedFirst: return writeFile(path, nested + own);
    case Attack::NestedLast: return writeFile(path, own + nested);
    case Attack::EmptyLock: return writeFile(lock, {});
    case Attack::FolderLock: return QDir().mkpath(lock);
    case Attack::LinkLock: return QFile::link(u"gone"_s, lock);
    case Attack::LinkToNovel: return linkTo(u"novel.txt"_s, novel);
    case Attack::LinkToSettings: return linkTo(u"dotfiles/horavane.conf"_s, own);
    }
    return false;
}

// Root reads and writes whatever the mode: the binary then runs as nobody, in a home handed over.
constexpr uid_t nobody = 65534;

bool handOver(const QString &home)
{
    bool ok = ::chown(qPrintable(home), nobody, nobody) == 0;
    for (QDirIterator it(home, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System, QDirIterator::Subdirectories); it.hasNext();)
        ok = ::lchown(qPrintable(it.next()), nobody, nobody) == 0 && ok;
    return ok;
}

} // namespace

Q_DECLARE_METATYPE(Attack)

// The real binary with its settings file, autostart entry, donation message or instance socket
// attacked starts, ends with status 0, falls back to defaults where it must, never overwrites
// what it could not read or what is not its own, and loses no setting it could read.
class TestHostileFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsAndKeepsWhatItCan_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Attack>("attack");
        QTest::addColumn<QString>("says");   // on stderr, when it refuses something
        const QString settings = u".config/Horavane/Horavane.conf"_s;
        const QString entry = u".config/autostart/horavane.desktop"_s;
        QTest::newRow("settings: folder") << settings << Attack::Folder << QString();
        QTest::newRow("settings: unreadable") << settings << Attack::Unreadable << QString();
        QTest::newRow("settings: read-only folder") << settings << Attack::Unwritable << QString();
        QTest::newRow("settings: 50 MB") << settings << Attack::Huge << QString();
        QTest::newRow("settings: garbage") << settings << Attack::Garbage << QString();
        QTest::newRow("settings: nested @Variant, [General]") << settings << Attack::NestedFirst << u"refused the setting \"nested\""_s;
        QTest::newRow("settings: nested @Variant, [Donation]") << settings << Attack::NestedLast << u"\"Donation/nested\""_s;
        QTest::newRow("settings: killed save's lock") << settings << Attack::EmptyLock << QString();
        QTest::newRow("settings: lock a folder") << settings << Attack::FolderLock << QString();
        QTest::newRow("settings: lock a dangling link") << settings << Attack::LinkLock << QString();
        QTest::newRow("settings: a link to a novel") << settings << Attack::LinkToNovel << u"which is not a settings file"_s;
        QTest::newRow("settings: a link to settings") << settings << Attack::LinkToSettings << QString();
        QTest::newRow("autostart: folder") << entry << Attack::Folder << QString();
        QTest::newRow("autostart: read-only folder") << entry << Attack::Unwritable << QString();
        QTest::newRow("donation: folder") << u".local/share/horavane/donation.rtf"_s << Attack::Folder << QString();
        QTest::newRow("socket: folder") << u"run/horavane.socket"_s << Attack::Folder << QString();   // where a crash leaves it
    }

    void startsAndKeepsWhatItCan()
    {
        QFETCH(QString, file);
        QFETCH(Attack, attack);
        QFETCH(QString, says);
        HoravaneProcess horavane;
        const QString path = QDir(horavane.homePath()).filePath(file);
        const QString folder = QFileInfo(path).path();
        const bool donation = path.endsWith(u".rtf"_s);
        const bool attacksSettings = path == horavane.settingsPath();
        const QByteArray own = attacksSettings ? written()
            : donation ? QByteArray("{\\rtf1 Thank you.}") : QByteArray("[Desktop Entry]\nType=Application\nExec=/bin/true\n");
        QVERIFY(writeFile(horavane.settingsPath(), written(!donation)));
        QVERIFY(plant(attack, path, own, QDir(horavane.homePath())));
        const auto restorePermissions = [&] {  // or the scratch home cannot be removed
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        };
        const auto restore = qScopeGuard(restorePermissions);
        if (::geteuid() == 0) {
            QVERIFY(handOver(horavane.homePath()));
            horavane.process().setChildProcessModifier([] {
                if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0)
                    ::_exit(127);
            });
        }

        // Long enough to read and rewrite 50 MB, short of the 30 s a lock left empty would cost.
        const int timeoutMs = attack == Attack::Huge ? 60000 : 20000;
        horavane.start();
        QVERIFY2(horavane.waitForLine(donation ? u"donation window shown"_s : u"launched"_s, timeoutMs),
                 qPrintable(horavane.lines().join(u'\n')));
        QVERIFY(horavane.waitForLine(u"launched"_s));
        ::kill(pid_t(horavane.process().processId()), SIGTERM);
        QVERIFY2(horavane.waitForExit(timeoutMs), "hangs at quit");
        QCOMPARE(horavane.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(horavane.process().exitCode(), 0);
        restorePermissions();

        QFile after(path);
        if (attack == Attack::Folder)
            QVERIFY2(QFileInfo(path).isDir(), "a folder of the person's is never replaced or removed");
        else if (!attacksSettings)   // launch at login rightly turns itself off when its entry cannot be made
            QCOMPARE(damage(horavane.settingsPath(), {u"PREFS_LaunchAtLogin"_s}), QStringList());
        else if (attack == Attack::Unreadable || attack == Attack::Unwritable || attack == Attack::LinkToNovel)
            QCOMPARE((after.open(QIODevice::ReadOnly), after.readAll()), attack == Attack::LinkToNovel ? novel : written());
        else if (attack == Attack::Garbage)
            QCOMPARE(QSettings(path, QSettings::IniFormat).status(), QSettings::NoError);   // rewritten clean
        else
            QCOMPARE(damage(path), QStringList());
        // Launch at login is on in the file: the entry shows whether it was read.
        if (attacksSettings && (attack == Attack::Unreadable || attack == Attack::Unwritable))
            QCOMPARE(QFile::exists(QDir(horavane.homePath()).filePath(u".config/autostart/horavane.desktop"_s)), attack == Attack::Unwritable);
        QVERIFY2(says.isEmpty() || !horavane.lines().filter(says).isEmpty(), qPrintable(horavane.lines().join(u'\n')));
        QVERIFY2(!QFileInfo(path + u".lock"_s).isSymLink() && !QFileInfo::exists(path + u".lock"_s), "a lock stays behind");
        QCOMPARE(QFileInfo(path).isSymLink(), attack == Attack::LinkToNovel || attack == Attack::LinkToSettings);
    }
};

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
