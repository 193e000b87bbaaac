#include "TestFiles.h"

#include <AppUtils/LaunchAtLogin.h>

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using AppUtils::LaunchAtLogin;

namespace {

const QFile::Permissions executable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

// What Horavane wrote for <bin>/horavane before it marked its entries as its own.
const QByteArray earlierEntry = "[Desktop Entry]\nType=Application\nName=Horavane\n"
                                "Comment=Civil time, UTC and local sidereal time for astronomers\n"
                                "Exec=<bin>/horavane\nIcon=horavane\nTerminal=false\nX-GNOME-Autostart-enabled=true\n";
const QByteArray markedEntry = "[Desktop Entry]\nExec=/gone\nX-Horavane-Autostart=true\n";

} // namespace

class TestLaunchAtLogin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void writtenValidRemoved_data();
    void writtenValidRemoved();
    void validity_data();
    void validity();
    void onlyOurEntryIsTouched_data();
    void onlyOurEntryIsTouched();
    void failedWriteSaysWhy_data();
    void failedWriteSaysWhy();

private:
    std::optional<QTemporaryDir> m_dir;   // programs, horavane among them; the configuration in config/
};

void TestLaunchAtLogin::init()
{
    m_dir.emplace();
    qputenv("XDG_CONFIG_HOME", m_dir->filePath(u"config"_s).toUtf8());
    QVERIFY(writeFile(m_dir->filePath(u"horavane"_s), "#!/bin/sh\n", executable));
    QVERIFY(QDir().mkpath(QFileInfo(LaunchAtLogin::entryPath()).path()));
}

void TestLaunchAtLogin::writtenValidRemoved_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("exec");   // as the entry holds it; <bin> stands for the folder
    QTest::newRow("plain") << u"horavane"_s << u"Exec=<bin>/horavane"_s;
    QTest::newRow("space") << u"Hora vane"_s << u"Exec=\"<bin>/Hora vane\""_s;
    QTest::newRow("quote, dollar, backslash") << u"a\"b$c\\d"_s << u"Exec=\"<bin>/a\\\\\"b\\\\$c\\\\\\\\d\""_s;
    QTest::newRow("percent") << u"100%"_s << u"Exec=<bin>/100%%"_s;
}

// The entry starts the program whatever its name, by the quoting rules of desktop entries,
// with the icon the package installs.
void TestLaunchAtLogin::writtenValidRemoved()
{
    QFETCH(QString, program);
    QFETCH(QString, exec);
    const QString path = m_dir->filePath(program);
    QVERIFY(writeFile(path, "#!/bin/sh\n", executable));
    LaunchAtLogin agent(path);

    QVERIFY(agent.writePlist().succeeded());
    const QStringList lines = QString::fromUtf8(readFile(LaunchAtLogin::entryPath())).split(u'\n');
    QVERIFY2(lines.contains(exec.replace(u"<bin>"_s, m_dir->path())), qPrintable(lines.join(u'\n')));
    QVERIFY(lines.contains(u"Icon=org.horavane.Horavane"_s));
    QVERIFY(agent.agentIsValid());

    QVERIFY(agent.unlinkAgent().succeeded());
    QVERIFY(!agent.agentIsValid());
    QVERIFY(agent.unlinkAgent().succeeded());   // none left: nothing happens
}

void TestLaunchAtLogin::validity_data()
{
    QTest::addColumn<QByteArray>("entry");   // <exe> stands for an executable, <file> a plain file
    QTest::addColumn<bool>("valid");
    const QByteArray head = "[Desktop Entry]\nType=Application\nName=Horavane\n";
    QTest::newRow("valid") << head + "Exec=<exe>\n" << true;
    QTest::newRow("name in PATH, arguments") << "# c\n" + head + "Exec=sh -c x %U\n" << true;
    QTest::newRow("Hidden=true") << head + "Exec=<exe>\nHidden=true\n" << false;
    QTest::newRow("switched off") << head + "Exec=<exe>\nX-GNOME-Autostart-enabled=false\n" << false;
    QTest::newRow("no Exec") << head << false;
    QTest::newRow("not executable") << head + "Exec=<file>\n" << false;
    QTest::newRow("open quote") << head + "Exec=\"<exe>\n" << false;
    QTest::newRow("line without =") << head + "Exec=<exe>\nnonsense\n" << false;
    QTest::newRow("Exec in other group") << QByteArray("[Desktop Action x]\nExec=<exe>\n") << false;
    QTest::newRow("binary") << QByteArray("\x7f" "ELF\x02\x01\x01\0\0\0[Desktop Entry]\n\xff", 26) << false;
}

void TestLaunchAtLogin::validity()
{
    QFETCH(QByteArray, entry);
    QFETCH(bool, valid);
    const QString program = m_dir->filePath(u"horavane"_s);
    const QString plain = m_dir->filePath(u"notes"_s);
    QVERIFY(writeFile(plain, "text\n"));
    entry.replace("<exe>", program.toUtf8()).replace("<file>", plain.toUtf8());
    QVERIFY(writeFile(LaunchAtLogin::entryPath(), entry));

    QCOMPARE(LaunchAtLogin(program).agentIsValid(), valid);
}

void TestLaunchAtLogin::onlyOurEntryIsTouched_data()
{
    QTest::addColumn<QByteArray>("existing");   // <link>: a link to a marked entry; <folder>: a folder
    QTest::addColumn<bool>("ours");
    QTest::newRow("hand-written") << QByteArray("[Desktop Entry]\nExec=env QT_SCALE_FACTOR=2 horavane\n") << false;
    QTest::newRow("marked") << markedEntry << true;
    QTest::newRow("earlier version's") << earlierEntry << true;
    QTest::newRow("earlier version's, edited") << earlierEntry + "Hidden=true\n" << false;
    QTest::newRow("link to a marked entry") << QByteArray("<link>") << false;
    QTest::newRow("folder") << QByteArray("<folder>") << false;
}

// Switching on rewrites only an entry of ours, switching off removes only that; anything else
// stays exactly as it was, a link's target included.
void TestLaunchAtLogin::onlyOurEntryIsTouched()
{
    QFETCH(QByteArray, existing);
    QFETCH(bool, ours);
    const QString path = LaunchAtLogin::entryPath();
    const QString target = m_dir->filePath(u"dotfiles.desktop"_s);
    if (existing == "<link>")
        QVERIFY(writeFile(target, markedEntry) && QFile::link(target, path));
    else if (existing == "<folder>")
        QVERIFY(QDir().mkpath(path));
    else
        QVERIFY(writeFile(path, existing.replace("<bin>", m_dir->path().toUtf8())));
    const auto snapshot = [&]() -> QString { return QFile::symLinkTarget(path) + QString::fromUtf8(readFile(path)); };
    const QString before = snapshot();
    LaunchAtLogin agent(m_dir->filePath(u"horavane"_s));

    const LaunchAtLogin::Result written = agent.writePlist();
    QCOMPARE(written.failure.endsWith(u"was not written by Horavane; left as it is."_s), !ours);
    QVERIFY(ours ? agent.agentIsValid() : snapshot() == before);
    QVERIFY(agent.unlinkAgent().succeeded());
    QCOMPARE(QFileInfo(path).isSymLink() || QFileInfo::exists(path), !ours);
    QCOMPARE(snapshot(), ours ? QString() : before);
}

void TestLaunchAtLogin::failedWriteSaysWhy_data()
{
    QTest::addColumn<bool>("readOnlyFolder");
    QTest::addColumn<QString>("program");   // relative: no path the session could start
    QTest::addColumn<QString>("why");       // <autostart> stands for the folder
    QTest::newRow("read-only folder") << true << u"<dir>/horavane"_s
                                      << u"The autostart folder <autostart> is not writable."_s;
    QTest::newRow("relative program") << false << u"horavane"_s
                                      << u"Horavane cannot tell where its program file is."_s;
}

// A failed write says why and leaves the folder as it was: the old entry of ours whole, no
// partly written one.
void TestLaunchAtLogin::failedWriteSaysWhy()
{
    QFETCH(bool, readOnlyFolder);
    QFETCH(QString, program);
    QFETCH(QString, why);
    const Unprivileged user;
    if (!user.ok())
        QSKIP("cannot drop root rights, which ignore file permissions");
    const QTemporaryDir dir;   // made by the user the test runs as
    qputenv("XDG_CONFIG_HOME", dir.filePath(u"config"_s).toUtf8());
    const QString autostart = QFileInfo(LaunchAtLogin::entryPath()).path();
    QVERIFY(writeFile(dir.filePath(u"horavane"_s), "#!/bin/sh\n", executable));
    QVERIFY(QDir().mkpath(autostart));
    QVERIFY(writeFile(LaunchAtLogin::entryPath(), markedEntry));
    QVERIFY(QFile::setPermissions(autostart, readOnlyFolder ? QFile::ReadOwner | QFile::ExeOwner : executable));
    const auto restore = qScopeGuard([&] { QFile::setPermissions(autostart, executable); });

    QCOMPARE(LaunchAtLogin(program.replace(u"<dir>"_s, dir.path())).writePlist().failure,
             why.replace(u"<autostart>"_s, autostart));
    QCOMPARE(QDir(autostart).entryList(QDir::Files | QDir::Hidden), QStringList{u"horavane.desktop"_s});
    QCOMPARE(readFile(LaunchAtLogin::entryPath()), markedEntry);
}

QTEST_GUILESS_MAIN(TestLaunchAtLogin)
#include "tst_launchatlogin.moc"
