#include "HoravaneProcess.h"

#include <AppUtils/DefaultSettings.h>

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

// Every stored setting through real runs of the binary: what one run stores, the next run
// reads and stores again unchanged; a damaged settings file neither stops a run nor loses
// what can still be read.
class TestSettingsRoundTrip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyKeyKeepsItsValueAcrossRuns();
    void damagedSettingsFile_data();
    void damagedSettingsFile();

private:
    static void runOnce(HoravaneProcess &horavane);
};

void TestSettingsRoundTrip::runOnce(HoravaneProcess &horavane)
{
    horavane.start();
    QVERIFY(horavane.waitForLine(u"launched"_s));
    horavane.process().terminate();
    QVERIFY(horavane.waitForExit());
    QCOMPARE(horavane.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(horavane.process().exitCode(), 0);
}

void TestSettingsRoundTrip::everyKeyKeepsItsValueAcrossRuns()
{
    HoravaneProcess horavane;
    // The key spellings are written out here: stored files depend on them, mixed case included.
    AppUtils::DefaultSettings stored(horavane.settingsPath());
    QVERIFY(stored.saveBool("PREFS_LaunchAtLogin", true));
    QVERIFY(stored.saveBool("PREFS_location_decimal", false));
    QVERIFY(stored.saveDouble("PREFS_latitude", 51.4769));
    QVERIFY(stored.saveDouble("PREFS_longitude", -0.0005));
    QVERIFY(stored.saveString("PREFS_serverIP", u"192.168.10.20"_s));
    QVERIFY(stored.saveInteger("PREFS_serverPort", 65535));
    QVERIFY(stored.saveInteger("Prefs_LocationSource", 1));
    QVERIFY(stored.saveBool("APP_Horavane", true));
    QVERIFY(stored.saveBool("APP_AnalogClock", true));

    for (int run = 1; run <= 2; ++run) {
        runOnce(horavane);
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(horavane.lines().filter(u"settings saved"_s).size() == 1, qPrintable(horavane.lines().join(u'\n')));
        const AppUtils::DefaultSettings after(horavane.settingsPath());
        QCOMPARE(after.loadBool("PREFS_LaunchAtLogin", false), true);
        QCOMPARE(after.loadBool("PREFS_location_decimal", true), false);
        QCOMPARE(after.loadDouble("PREFS_latitude", 0.0), 51.4769);
        QCOMPARE(after.loadDouble("PREFS_longitude", 0.0), -0.0005);
        QCOMPARE(after.loadString("PREFS_serverIP", {}), u"192.168.10.20"_s);
        QCOMPARE(after.loadInteger("PREFS_serverPort", 0), qint64(65535));
        QCOMPARE(after.loadInteger("Prefs_LocationSource", 2), qint64(1));
        QCOMPARE(after.loadBool("APP_Horavane", false), true);
        QCOMPARE(after.loadBool("APP_AnalogClock", false), true);
    }
}

void TestSettingsRoundTrip::damagedSettingsFile_data()
{
    QTest::addColumn<QByteArray>("content");   // of the settings file; null: a folder in its place
    QTest::addColumn<bool>("saved");

    QTest::newRow("garbage around good keys")
        << QByteArrayLiteral("\x01\xfe\xff[[[\n=\n;;\nPREFS_latitude=12.5\nPREFS_serverPort=99999999999999999999\n"
                             "Prefs_LocationSource=1\n\x00\x7f garbage \\\n[General\n")
        << true;
    QTest::newRow("a folder in place of the file") << QByteArray() << false;
}

void TestSettingsRoundTrip::damagedSettingsFile()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, saved);

    HoravaneProcess horavane;
    if (content.isNull()) {
        QVERIFY(QDir().mkpath(horavane.settingsPath()));
    } else {
        QVERIFY(QDir().mkpath(QFileInfo(horavane.settingsPath()).path()));
        QFile file(horavane.settingsPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content), content.size());
    }

    runOnce(horavane);
    if (QTest::currentTestFailed())
        return;
    const QStringList lines = horavane.lines();
    QVERIFY2(lines.filter(u"settings saved"_s).size() == (saved ? 1 : 0), qPrintable(lines.join(u'\n')));
    QVERIFY2(lines.filter(u"cannot save the settings"_s).size() == (saved ? 0 : 1), qPrintable(lines.join(u'\n')));
    if (saved) {
        const AppUtils::DefaultSettings after(horavane.settingsPath());
        QCOMPARE(after.loadDouble("PREFS_latitude", 0.0), 12.5);
        QCOMPARE(after.loadInteger("Prefs_LocationSource", 2), qint64(1));
        QCOMPARE(after.loadInteger("PREFS_serverPort", 0), qint64(8079));   // unreadable: the default
    }
}

QTEST_GUILESS_MAIN(TestSettingsRoundTrip)
#include "tst_settingsroundtrip.moc"
