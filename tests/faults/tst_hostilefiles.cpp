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
using SettingsFixture::damage;
using SettingsFixture::writeFile;
using SettingsFixture::written;

namespace {

enum class Attack {
    Folder,       // a folder where the file should be
    Unreadable,   // the file is there, mode 000
    Unwritable,   // the file (if any) in a folder that cannot be written
    Huge,         // 50 MB of garbage after the file's own text
    Garbage,      // 64 KiB of random bytes
    EmptyLock,    // the lock a save killed while taking it leaves behind
};

// Random bytes; on one line and without '=' when they follow text, so that they are one bad
// line to the settings reader rather than thousands of keys to keep.
QByteArray garbage(qsizetype size, bool oneLine)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    if (oneLine) {
        for (char &c : bytes) {
            if (c == '\n' || c == '\r' || c == '=')
                c = '#';
        }
    }
    return bytes;
}

// Root reads and writes every file whatever its mode: the binary then runs as nobody, in a
// home handed over to nobody.
constexpr uid_t nobody = 65534;

bool handOver(const QString &home)
{
    if (::geteuid() != 0)
        return true;
    QDirIterator it(home, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System,
                    QDirIterator::Subdirectories);
    bool ok = ::chown(qPrintable(home), nobody, nobody) == 0;
    while (it.hasNext())
        ok = ::lchown(qPrintable(it.next()), nobody, nobody) == 0 && ok;
    return ok;
}

} // namespace

Q_DECLARE_METATYPE(Attack)

// The real binary with its settings file, its autostart entry, its donation message and its
// instance socket attacked: replaced by a folder, unreadable, in a folder it cannot write,
// huge, garbage. It starts, ends with status 0, falls back to defaults where it must, and
// loses no setting it could read.
class TestHostileFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsAndKeepsWhatItCan_data();
    void startsAndKeepsWhatItCan();
};

void TestHostileFiles::startsAndKeepsWhatItCan_data()
{
    QTest::addColumn<QString>("file");           // in the home folder
    QTest::addColumn<Attack>("attack");
    QTest::addColumn<QStringList>("mayChange");  // settings that may rightly change
    QTest::addColumn<QString>("expectedLine");   // on stderr before the end

    const QString settings = u".config/Horavane/Horavane.conf"_s;
    const QString entry = u".config/autostart/horavane.desktop"_s;
    const QString message = u".local/share/horavane/donation.rtf"_s;
    const QString launched = u"launched"_s;
    const QString donation = u"donation window shown"_s;
    // Without a usable entry, launch at login turns itself off.
    const QStringList loginOff{u"PREFS_LaunchAtLogin"_s};

    QTest::newRow("settings: a folder") << settings << Attack::Folder << QStringList() << launched;
    QTest::newRow("settings: unreadable") << settings << Attack::Unreadable << QStringList() << launched;
    QTest::newRow("settings: read-only folder") << settings << Attack::Unwritable << QStringList() << launched;
    QTest::newRow("settings: 50 MB") << settings << Attack::Huge << QStringList() << launched;
    QTest::newRow("settings: garbage") << settings << Attack::Garbage << QStringList() << launched;
    QTest::newRow("settings: lock of a killed save") << settings << Attack::EmptyLock << QStringList() << launched;
    QTest::newRow("autostart: a folder") << entry << Attack::Folder << loginOff << launched;
    QTest::newRow("autostart: unreadable") << entry << Attack::Unreadable << loginOff << launched;
    QTest::newRow("autostart: read-only folder") << entry << Attack::Unwritable << loginOff << launched;
    QTest::newRow("autostart: 50 MB") << entry << Attack::Huge << QStringList() << launched;
    QTest::newRow("autostart: garbage") << entry << Attack::Garbage << QStringList() << launched;
    QTest::newRow("donation: a folder") << message << Attack::Folder << QStringList() << donation;
    QTest::newRow("donation: unreadable") << message << Attack::Unreadable << QStringList() << donation;
    QTest::newRow("donation: 50 MB") << message << Attack::Huge << QStringList() << donation;
    QTest::newRow("donation: garbage") << message << Attack::Garbage << QStringList() << donation;
    // What a crash leaves where the second start looks for the first.
    const QString socket = u"run/horavane.socket"_s;
    QTest::newRow("instance socket: a folder") << socket << Attack::Folder << QStringList() << launched;
    QTest::newRow("instance socket: a plain file") << socket << Attack::Garbage << QStringList() << launched;
}

void TestHostileFiles::startsAndKeepsWhatItCan()
{
    QFETCH(QString, file);
    QFETCH(Attack, attack);
    QFETCH(QStringList, mayChange);
    QFETCH(QString, expectedLine);

    HoravaneProcess horavane;
    const QString path = QDir(horavane.homePath()).filePath(file);
    const QString folder = QFileInfo(path).path();
    const bool attacksSettings = path == horavane.settingsPath();
    const QString entry = u".config/autostart/horavane.desktop"_s;
    const QByteArray own = attacksSettings ? written()
        : path.endsWith(u".rtf"_s)         ? QByteArray("{\\rtf1 Thank you.}")
                                           : QByteArray("[Desktop Entry]\nType=Application\nExec=/bin/true\n");
    QVERIFY(writeFile(horavane.settingsPath(), written(!path.endsWith(u".rtf"_s))));
    switch (attack) {
    case Attack::Folder:
        QVERIFY(QFile::remove(path) || !QFile::exists(path));
        QVERIFY(QDir().mkpath(path));
        break;
    case Attack::Unreadable:
        QVERIFY(writeFile(path, own));
        QVERIFY(QFile::setPermissions(path, {}));
        break;
    case Attack::Unwritable:
        QVERIFY(QDir().mkpath(folder));
        break;
    case Attack::Huge:
        QVERIFY(writeFile(path, own + garbage(50'000'000, true)));
        break;
    case Attack::Garbage:
        QVERIFY(writeFile(path, garbage(64 * 1024, false)));
        break;
    case Attack::EmptyLock:
        QVERIFY(writeFile(path + u".lock"_s, {}));
        break;
    }
    QVERIFY(handOver(horavane.homePath()));
    if (attack == Attack::Unwritable)
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    const auto restorePermissions = [&] {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    };
    const auto restore = qScopeGuard(restorePermissions);
    if (::geteuid() == 0) {
        horavane.process().setChildProcessModifier([] {
            if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0)
                ::_exit(127);
        });
    }

    // Long enough to read and rewrite 50 MB, short of the 30 s a lock left empty would cost.
    const int timeoutMs = attack == Attack::Huge ? 60000 : 20000;
    horavane.start();
    QVERIFY2(horavane.waitForLine(expectedLine, timeoutMs), qPrintable(horavane.lines().join(u'\n')));
    QVERIFY(horavane.waitForLine(u"launched"_s));
    ::kill(pid_t(horavane.process().processId()), SIGTERM);
    QVERIFY(horavane.waitForExit(timeoutMs));
    QCOMPARE(horavane.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(horavane.process().exitCode(), 0);
    restorePermissions();

    if (attack == Attack::Folder)
        QVERIFY2(QFileInfo(path).isDir(), "a folder of the person's is never replaced or removed");
    if (!attacksSettings) {
        QCOMPARE(damage(horavane.settingsPath(), mayChange), QStringList());
    } else if (attack == Attack::Unreadable || attack == Attack::Unwritable) {
        QFile after(path);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), written());   // what could not be read is never overwritten
        // Launch at login is on in the file: the entry shows whether it was read.
        QCOMPARE(QFile::exists(QDir(horavane.homePath()).filePath(entry)), attack == Attack::Unwritable);
    } else if (attack == Attack::Garbage) {
        QCOMPARE(QSettings(path, QSettings::IniFormat).status(), QSettings::NoError);   // rewritten clean
    } else if (attack != Attack::Folder) {
        QCOMPARE(damage(path), QStringList());
    }
}

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
