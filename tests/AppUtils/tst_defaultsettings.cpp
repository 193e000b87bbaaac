#include "../../src/app/ApplicationId.h"
#include "../faults/SettingsFixture.h"

#include <AppUtils/LaunchAtLogin.h>

#include <QTemporaryDir>
#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;
using AppUtils::DefaultSettings;
using AppUtils::LaunchAtLogin;
using SettingsFixture::exact;
using SettingsFixture::stored;

namespace {

bool put(const QString &path, const QByteArray &content, QFile::Permissions mode = QFile::ReadOwner | QFile::WriteOwner)
{
    return SettingsFixture::writeFile(path, content) && QFile::setPermissions(path, mode);
}

// Reads the file as the next launch would: a copy, which no cache of this process holds.
DefaultSettings reread(const QString &path)
{
    QFile::remove(path + u".copy"_s);
    QFile::copy(path, path + u".copy"_s);
    return DefaultSettings(path + u".copy"_s);
}

const QFile::Permissions executable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
// What Horavane wrote for <bin>/horavane before it marked its entries as its own.
const QByteArray earlierEntry = "[Desktop Entry]\nType=Application\nName=Horavane\n"
                                "Comment=Civil time, UTC and local sidereal time for astronomers\n"
                                "Exec=<bin>/horavane\nIcon=horavane\nTerminal=false\nX-GNOME-Autostart-enabled=true\n";
const QByteArray markedEntry = "[Desktop Entry]\nExec=/gone\nX-Horavane-Autostart=true\n";

} // namespace

// The files Horavane keeps: its settings and its autostart entry.
class TestDefaultSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { nameApplication(); }   // the names the entries' names and marks come from

    void init()
    {
        m_dir.emplace();
        qputenv("XDG_CONFIG_HOME", m_dir->filePath(u"config"_s).toUtf8());
        QVERIFY(QDir().mkpath(QFileInfo(LaunchAtLogin::entryPath()).path()));
    }

    void roundTrip_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("saved");   // false: refused, the value before stays
        QTest::newRow("negative zero") << QVariant(-0.0) << true;
        QTest::newRow("smallest subnormal") << QVariant(std::numeric_limits<double>::denorm_min()) << true;
        QTest::newRow("nan") << QVariant(std::numeric_limits<double>::quiet_NaN()) << false;
        QTest::newRow("INI syntax, list, breaks, non-Latin") << QVariant(u" [x]=;#a, b\\\n Ωμέγα ☉ 時"_s) << true;
        QTest::newRow("4000 control characters") << QVariant(QString(4000, u'\x1f')) << true;
        QTest::newRow("4001 characters") << QVariant(QString(4001, u'x')) << false;
    }

    // What a save stores, the next launch reads back exactly; what it refuses leaves the old value.
    void roundTrip()
    {
        QFETCH(QVariant, value);
        QFETCH(bool, saved);
        const QString path = m_dir->filePath(QLatin1StringView(QTest::currentDataTag()));
        DefaultSettings settings(path);
        QVERIFY(settings.saveString(u"G/k"_s, u"before"_s));
        const bool done = value.typeId() == QMetaType::LongLong ? settings.saveInteger(u"G/k"_s, value.toLongLong())
            : value.typeId() == QMetaType::Double ? settings.saveDouble(u"G/k"_s, value.toDouble())
                                                   : settings.saveString(u"G/k"_s, value.toString());
        QCOMPARE(done, saved);
        QCOMPARE(stored(reread(path), u"G/k"_s, saved ? value.typeId() : QMetaType::QString), saved ? exact(value) : QVariant(u"before"_s));
    }

    void personsCopiesSurvive_data()
    {
        QTest::addColumn<QString>("name");   // beside the settings file, two minutes old
        QTest::newRow("backup") << u"Horavane.conf.backup"_s;
        QTest::newRow("orig01") << u"Horavane.conf.orig01"_s;
        QTest::newRow("dated") << u"Horavane.conf.251231"_s;
    }

    // What a save killed half-way leaves is cleared at the next start; a person's copies are not.
    void personsCopiesSurvive()
    {
        QFETCH(QString, name);
        QFile copy(m_dir->filePath(name));
        QVERIFY(put(copy.fileName(), "[General]\n") && copy.open(QIODevice::ReadWrite)
                && copy.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-120), QFileDevice::FileModificationTime));
        DefaultSettings(m_dir->filePath(u"Horavane.conf"_s));
        QVERIFY(copy.exists());
    }

    // What a person wrote reads as written (a comma too), and a save changes its own key's text and
    // nothing else; new keys join their section.
    void handWrittenLinesSurviveSaves()
    {
        const QString path = m_dir->filePath(u"Horavane.conf"_s);
        QVERIFY(put(path, "; at the dome\n[General]\n# surveyed, 2024\nPREFS_latitude = 51.5 ; WGS84\n\n[Donation]\nhideAtLaunch=true\n"));
        DefaultSettings settings(path);
        QVERIFY(put(m_dir->filePath(u"typed.conf"_s), "[General]\nname=M42, Orion Nebula\n"));   // the comma unquoted: a list to QSettings
        QCOMPARE(DefaultSettings(m_dir->filePath(u"typed.conf"_s)).loadString(u"name"_s, {}), u"M42, Orion Nebula"_s);
        QVERIFY(settings.saveDouble(u"PREFS_latitude"_s, -33.5) && settings.saveInteger(u"PREFS_serverPort"_s, 8080)
                && settings.saveSize(u"WindowSizes/Digital Clock"_s, QSize(420, 260)));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), "; at the dome\n[General]\n# surveyed, 2024\nPREFS_latitude = -33.5 ; WGS84\nPREFS_serverPort=8080\n\n"
                                 "[Donation]\nhideAtLaunch=true\n\n[WindowSizes]\nDigital%20Clock=@Size(420 260)\n");
        QCOMPARE(reread(path).loadSize(u"WindowSizes/Digital Clock"_s), QSize(420, 260));
    }

    void validity_data()
    {
        QTest::addColumn<QByteArray>("entry");   // <exe> stands for an executable, <file> a plain file
        QTest::addColumn<bool>("valid");
        const QByteArray head = "[Desktop Entry]\nType=Application\nName=Horavane\n";
        QTest::newRow("name in PATH, arguments") << "# c\n" + head + "Exec=sh -c x %U\n" << true;
        QTest::newRow("Hidden=true") << head + "Exec=<exe>\nHidden=true\n" << false;
        QTest::newRow("no Exec") << head << false;
        QTest::newRow("not executable") << head + "Exec=<file>\n" << false;
    }

    void validity()
    {
        QFETCH(QByteArray, entry);
        QFETCH(bool, valid);
        const QString program = m_dir->filePath(u"horavane"_s), plain = m_dir->filePath(u"notes"_s);
        QVERIFY(put(program, "#!/bin/sh\n", executable) && put(plain, "text\n"));
        QVERIFY(put(LaunchAtLogin::entryPath(), entry.replace("<exe>", program.toUtf8()).replace("<file>", plain.toUtf8())));
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
        const QString path = LaunchAtLogin::entryPath(), target = m_dir->filePath(u"dotfiles.desktop"_s);
        program.replace(u"<bin>"_s, m_dir->path());
        outcome.replace(u"<bin>"_s, m_dir->path());
        if (existing == "<link>")
            QVERIFY(put(target, markedEntry) && QFile::link(target, path));
        else if (!existing.isEmpty())
            QVERIFY(put(path, existing.replace("<bin>", m_dir->path().toUtf8())));
        if (QFileInfo(program).isAbsolute())   // a relative one must not land in the working folder
            QVERIFY(put(program, "#!/bin/sh\n", executable));
        const auto snapshot = [&]() -> QString {
            QFile file(path);
            return QFile::symLinkTarget(path) + QString::fromUtf8(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
        };
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

private:
    std::optional<QTemporaryDir> m_dir;   // settings files; programs; the configuration in config/
};

QTEST_GUILESS_MAIN(TestDefaultSettings)
#include "tst_defaultsettings.moc"
