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
    EmptyLock,    // the lock a save killed while taking it leaves behind
};

QByteArray garbage(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    return bytes;
}

// Root reads and writes whatever the mode: the binary then runs as nobody, in a home handed over.
constexpr uid_t nobody = 65534;

bool handOver(const QString &home)
{
    QDirIterator it(home, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System,
                    QDirIterator::Subdirectories);
    bool ok = ::chown(qPrintable(home), nobody, nobody) == 0;
    while (it.hasNext())
        ok = ::lchown(qPrintable(it.next()), nobody, nobody) == 0 && ok;
    return ok;
}

} // namespace

Q_DECLARE_METATYPE(Attack)

// The real binary with its settings file, autostart entry, donation message or instance socket
// attacked starts, ends with status 0, falls back to defaults where it must, never overwrites
// what it could not read, and loses no setting it could read.
class TestHostileFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsAndKeepsWhatItCan_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Attack>("attack");
        QTest::addColumn<bool>("loginOff");  // launch at login rightly turns itself off

        const QString settings = u".config/Horavane/Horavane.conf"_s;
        const QString entry = u".config/autostart/horavane.desktop"_s;
        const QString message = u".local/share/horavane/donation.rtf"_s;
        const QString socket = u"run/horavane.socket"_s;   // where a crash leaves things
        QTest::newRow("settings: folder") << settings << Attack::Folder << false;
        QTest::newRow("settings: unreadable") << settings << Attack::Unreadable << false;
        QTest::newRow("settings: read-only folder") << settings << Attack::Unwritable << false;
        QTest::newRow("settings: 50 MB") << settings << Attack::Huge << false;
        QTest::newRow("settings: garbage") << settings << Attack::Garbage << false;
        QTest::newRow("settings: killed save's lock") << settings << Attack::EmptyLock << false;
        QTest::newRow("autostart: folder") << entry << Attack::Folder << true;
        QTest::newRow("autostart: read-only folder") << entry << Attack::Unwritable << true;
        QTest::newRow("donation: folder") << message << Attack::Folder << false;
        QTest::newRow("socket: folder") << socket << Attack::Folder << false;
    }

    void startsAndKeepsWhatItCan()
    {
        QFETCH(QString, file);
        QFETCH(Attack, attack);
        QFETCH(bool, loginOff);

        HoravaneProcess horavane;
        const QString path = QDir(horavane.homePath()).filePath(file);
        const QString folder = QFileInfo(path).path();
        const bool donation = path.endsWith(u".rtf"_s);
        const bool attacksSettings = path == horavane.settingsPath();
        const QByteArray own = attacksSettings ? written()
            : donation ? QByteArray("{\\rtf1 Thank you.}") : QByteArray("[Desktop Entry]\nType=Application\nExec=/bin/true\n");
        QVERIFY(writeFile(horavane.settingsPath(), written(!donation)));
        const bool ready = attack == Attack::Folder ? (QFile::remove(path) || !QFile::exists(path)) && QDir().mkpath(path)
            : attack == Attack::Unreadable ? writeFile(path, own) && QFile::setPermissions(path, {})
            : attack == Attack::Unwritable ? QDir().mkpath(folder)
            : attack == Attack::Huge ? writeFile(path, own + garbage(50'000'000).replace('\n', '#').replace('\r', '#').replace('=', '#'))
            : attack == Attack::Garbage ? writeFile(path, garbage(64 * 1024))
            : writeFile(path + u".lock"_s, {});
        QVERIFY(ready);
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
        if (attack == Attack::Unwritable)
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));

        // Long enough to read and rewrite 50 MB, short of the 30 s a lock left empty would cost.
        const int timeoutMs = attack == Attack::Huge ? 60000 : 20000;
        horavane.start();
        QVERIFY2(horavane.waitForLine(donation ? u"donation window shown"_s : u"launched"_s, timeoutMs),
                 qPrintable(horavane.lines().join(u'\n')));
        QVERIFY(horavane.waitForLine(u"launched"_s));
        ::kill(pid_t(horavane.process().processId()), SIGTERM);
        QVERIFY(horavane.waitForExit(timeoutMs));
        QCOMPARE(horavane.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(horavane.process().exitCode(), 0);
        restorePermissions();

        if (attack == Attack::Folder)
            QVERIFY2(QFileInfo(path).isDir(), "a folder of the person's is never replaced or removed");
        if (!attacksSettings) {
            QCOMPARE(damage(horavane.settingsPath(), loginOff ? QStringList{u"PREFS_LaunchAtLogin"_s} : QStringList()),
                     QStringList());
        } else if (attack == Attack::Unreadable || attack == Attack::Unwritable) {
            QFile after(path);
            QVERIFY(after.open(QIODevice::ReadOnly));
            QCOMPARE(after.readAll(), written());
            // Launch at login is on in the file: the entry shows whether it was read.
            QCOMPARE(QFile::exists(QDir(horavane.homePath()).filePath(u".config/autostart/horavane.desktop"_s)),
                     attack == Attack::Unwritable);
        } else if (attack == Attack::Garbage) {
            QCOMPARE(QSettings(path, QSettings::IniFormat).status(), QSettings::NoError);   // rewritten clean
        } else if (attack != Attack::Folder) {
            QCOMPARE(damage(path), QStringList());
        }
    }
};

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
