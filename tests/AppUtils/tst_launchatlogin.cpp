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
    void failedWriteLeavesNoFile_data();
    void failedWriteLeavesNoFile();

private:
    std::optional<QTemporaryDir> m_dir;   // programs; the configuration in config/
};

void TestLaunchAtLogin::init()
{
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
    qputenv("XDG_CONFIG_HOME", m_dir->filePath(u"config"_s).toUtf8());
}

void TestLaunchAtLogin::writtenValidRemoved_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("exec");   // as the entry holds it; <bin> stands for the folder
    QTest::newRow("plain") << u"horavane"_s << u"Exec=<bin>/horavane"_s;
    QTest::newRow("space") << u"Hora vane"_s << u"Exec=\"<bin>/Hora vane\""_s;
    QTest::newRow("quote, dollar") << u"a\"b$c"_s << u"Exec=\"<bin>/a\\\\\"b\\\\$c\""_s;
    QTest::newRow("backslash") << u"a\\b"_s << u"Exec=\"<bin>/a\\\\\\\\b\""_s;
    QTest::newRow("percent") << u"100%"_s << u"Exec=<bin>/100%%"_s;
}

// The entry starts the program whatever its name, by the quoting rules of desktop entries.
void TestLaunchAtLogin::writtenValidRemoved()
{
    QFETCH(QString, program);
    QFETCH(QString, exec);
    const QString path = m_dir->filePath(program);
    QVERIFY(writeFile(path, "#!/bin/sh\n", executable));
    LaunchAtLogin agent(path);
    QVERIFY(!agent.agentIsValid());

    QVERIFY(agent.writePlist());
    const QString entry = QString::fromUtf8(readFile(LaunchAtLogin::entryPath()));
    QVERIFY2(entry.split(u'\n').contains(QString(exec).replace(u"<bin>"_s, m_dir->path())),
             qPrintable(entry));
    QVERIFY(agent.agentIsValid());

    agent.unlinkAgent();
    QVERIFY(!QFile::exists(LaunchAtLogin::entryPath()));
    QVERIFY(!agent.agentIsValid());
    agent.unlinkAgent();   // none left: nothing happens
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
    QVERIFY(writeFile(program, "#!/bin/sh\n", executable));
    QVERIFY(writeFile(plain, "text\n"));
    QVERIFY(QDir().mkpath(QFileInfo(LaunchAtLogin::entryPath()).path()));
    entry.replace("<exe>", program.toUtf8()).replace("<file>", plain.toUtf8());
    QVERIFY(writeFile(LaunchAtLogin::entryPath(), entry));

    QCOMPARE(LaunchAtLogin(program).agentIsValid(), valid);
}

void TestLaunchAtLogin::failedWriteLeavesNoFile_data()
{
    QTest::addColumn<bool>("readOnlyFolder");
    QTest::addColumn<QString>("program");   // relative: no path the session could start
    QTest::newRow("read-only folder") << true << u"<dir>/horavane"_s;
    QTest::newRow("relative program") << false << u"horavane"_s;
}

// A failed write reports false and leaves the folder as it was: the old entry whole, no
// partly written one.
void TestLaunchAtLogin::failedWriteLeavesNoFile()
{
    QFETCH(bool, readOnlyFolder);
    QFETCH(QString, program);
    const Unprivileged user;
    if (!user.ok())
        QSKIP("cannot drop root rights, which ignore file permissions");
    const QTemporaryDir dir;   // made by the user the test runs as
    qputenv("XDG_CONFIG_HOME", dir.filePath(u"config"_s).toUtf8());
    const QString autostart = QFileInfo(LaunchAtLogin::entryPath()).path();
    program.replace(u"<dir>"_s, dir.path());
    QVERIFY(writeFile(dir.filePath(u"horavane"_s), "#!/bin/sh\n", executable));
    QVERIFY(QDir().mkpath(autostart));
    const QByteArray old = "[Desktop Entry]\nExec=/old\n";
    QVERIFY(writeFile(LaunchAtLogin::entryPath(), old));
    QVERIFY(QFile::setPermissions(autostart, readOnlyFolder ? QFile::ReadOwner | QFile::ExeOwner : executable));
    const auto restore = qScopeGuard([&] { QFile::setPermissions(autostart, executable); });

    QVERIFY(!LaunchAtLogin(program).writePlist());
    QCOMPARE(QDir(autostart).entryList(QDir::Files | QDir::Hidden), QStringList{u"horavane.desktop"_s});
    QCOMPARE(readFile(LaunchAtLogin::entryPath()), old);
}

QTEST_GUILESS_MAIN(TestLaunchAtLogin)
#include "tst_launchatlogin.moc"
