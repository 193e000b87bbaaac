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
    void init()
    {
        m_dir.emplace();
        qputenv("XDG_CONFIG_HOME", m_dir->filePath(u"config"_s).toUtf8());
        QVERIFY(QDir().mkpath(QFileInfo(LaunchAtLogin::entryPath()).path()));
    }

    void validity_data()
    {
        QTest::addColumn<QByteArray>("entry");   // <exe> stands for an executable, <file> a plain file
        QTest::addColumn<bool>("valid");
        const QByteArray head = "[Desktop Entry]\nType=Application\nName=Horavane\n";
        QTest::newRow("name in PATH, arguments") << "# c\n" + head + "Exec=sh -c x %U\n" << true;
        QTest::newRow("Hidden=true") << head + "Exec=<exe>\nHidden=true\n" << false;
        QTest::newRow("switched off") << head + "Exec=<exe>\nX-GNOME-Autostart-enabled=false\n" << false;
        QTest::newRow("no Exec") << head << false;
        QTest::newRow("not executable") << head + "Exec=<file>\n" << false;
        QTest::newRow("open quote") << head + "Exec=\"<exe>\n" << false;
        QTest::newRow("line without =") << head + "Exec=<exe>\nnonsense\n" << false;
        QTest::newRow("Exec in other group") << QByteArray("[Desktop Action x]\nExec=<exe>\n") << false;
    }

    void validity()
    {
        QFETCH(QByteArray, entry);
        QFETCH(bool, valid);
        const QString program = m_dir->filePath(u"horavane"_s);
        const QString plain = m_dir->filePath(u"notes"_s);
        QVERIFY(writeFile(program, "#!/bin/sh\n", executable) && writeFile(plain, "text\n"));
        entry.replace("<exe>", program.toUtf8()).replace("<file>", plain.toUtf8());
        QVERIFY(writeFile(LaunchAtLogin::entryPath(), entry));

        QCOMPARE(LaunchAtLogin(program).agentIsValid(), valid);
    }

    void onlyOurEntryIsRewritten_data()
    {
        QTest::addColumn<QString>("program");       // <bin> stands for the folder of programs
        QTest::addColumn<QByteArray>("existing");   // <link>: a link to a marked entry
        QTest::addColumn<QString>("outcome");       // the Exec line written, or why nothing was
        const QString notOurs = u"<bin>/config/autostart/horavane.desktop was not written by Horavane; left as it is."_s;
        const QString plain = u"<bin>/horavane"_s;
        QTest::newRow("none") << plain << QByteArray() << u"Exec=<bin>/horavane"_s;
        QTest::newRow("marked, space") << u"<bin>/Hora vane"_s << markedEntry << u"Exec=\"<bin>/Hora vane\""_s;
        QTest::newRow("earlier version's, quote, dollar, backslash, percent")
            << u"<bin>/a\"b$c\\d%"_s << earlierEntry << u"Exec=\"<bin>/a\\\\\"b\\\\$c\\\\\\\\d%%\""_s;
        QTest::newRow("relative program") << u"horavane"_s << QByteArray() << u"Horavane cannot tell where its program file is."_s;
        QTest::newRow("earlier version's, edited") << plain << earlierEntry + "Hidden=true\n" << notOurs;
        QTest::newRow("link to a marked entry") << plain << QByteArray("<link>") << notOurs;
    }

    // Switching on writes an entry that starts the program whatever its name, by the quoting rules
    // of desktop entries, with the icon the package installs, but only in place of one of ours.
    // Switching off removes only that. Anything else stays exactly as it was, a link's target too.
    void onlyOurEntryIsRewritten()
    {
        QFETCH(QString, program);
        QFETCH(QByteArray, existing);
        QFETCH(QString, outcome);
        const QString path = LaunchAtLogin::entryPath();
        const QString target = m_dir->filePath(u"dotfiles.desktop"_s);
        program.replace(u"<bin>"_s, m_dir->path());
        outcome.replace(u"<bin>"_s, m_dir->path());
        if (existing == "<link>")
            QVERIFY(writeFile(target, markedEntry) && QFile::link(target, path));
        else if (!existing.isEmpty())
            QVERIFY(writeFile(path, existing.replace("<bin>", m_dir->path().toUtf8())));
        QVERIFY(writeFile(program, "#!/bin/sh\n", executable));
        const auto snapshot = [&]() -> QString { return QFile::symLinkTarget(path) + QString::fromUtf8(readFile(path)); };
        const QString before = snapshot();
        LaunchAtLogin agent(program);

        const LaunchAtLogin::Result written = agent.writePlist();
        if (written.succeeded()) {
            const QStringList lines = snapshot().split(u'\n');
            QVERIFY2(lines.contains(outcome) && lines.contains(u"Icon=org.horavane.Horavane"_s), qPrintable(lines.join(u'\n')));
            QVERIFY(agent.agentIsValid());
        } else {
            QCOMPARE(written.failure, outcome);
            QCOMPARE(snapshot(), before);
        }
        QVERIFY(agent.unlinkAgent().succeeded());
        QVERIFY(agent.unlinkAgent().succeeded());   // none of ours left: nothing happens
        QCOMPARE(snapshot(), written.succeeded() ? QString() : before);
    }

    // A write into a read-only folder says why and leaves the folder as it was: the old entry of
    // ours whole, no partly written one.
    void readOnlyFolderKeepsTheEntry()
    {
        const Unprivileged user;
        if (!user.ok())
            QSKIP("cannot drop root rights, which ignore file permissions");
        const QTemporaryDir dir;   // made by the user the test runs as
        qputenv("XDG_CONFIG_HOME", dir.filePath(u"config"_s).toUtf8());
        const QString autostart = QFileInfo(LaunchAtLogin::entryPath()).path();
        QVERIFY(writeFile(dir.filePath(u"horavane"_s), "#!/bin/sh\n", executable));
        QVERIFY(QDir().mkpath(autostart) && writeFile(LaunchAtLogin::entryPath(), markedEntry));
        QVERIFY(QFile::setPermissions(autostart, QFile::ReadOwner | QFile::ExeOwner));
        const auto restore = qScopeGuard([&] { QFile::setPermissions(autostart, executable); });

        QCOMPARE(LaunchAtLogin(dir.filePath(u"horavane"_s)).writePlist().failure,
                 u"The autostart folder %1 is not writable."_s.arg(autostart));
        QCOMPARE(QDir(autostart).entryList(QDir::Files | QDir::Hidden), QStringList{u"horavane.desktop"_s});
        QCOMPARE(readFile(LaunchAtLogin::entryPath()), markedEntry);
    }

private:
    std::optional<QTemporaryDir> m_dir;   // programs; the configuration in config/
};

QTEST_GUILESS_MAIN(TestLaunchAtLogin)
#include "tst_launchatlogin.moc"
