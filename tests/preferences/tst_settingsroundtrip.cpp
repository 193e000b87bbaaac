#include "HoravaneProcess.h"

#include <AppUtils/DefaultSettings.h>

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The keys are spelled out: stored files depend on them, mixed case included.
const QVariantMap everyKey{{u"PREFS_LaunchAtLogin"_s, true}, {u"PREFS_location_decimal"_s, false},
    {u"PREFS_latitude"_s, 51.4769}, {u"PREFS_longitude"_s, -0.0005}, {u"PREFS_serverIP"_s, u"192.168.10.20"_s},
    {u"PREFS_serverPort"_s, qint64(65535)}, {u"Prefs_LocationSource"_s, qint64(1)}, {u"APP_Horavane"_s, true},
    {u"APP_AnalogClock"_s, true}};

QVariant load(const AppUtils::DefaultSettings &settings, const QString &key, const QVariant &like)
{
    switch (like.typeId()) {
    case QMetaType::Bool: return settings.loadBool(key, !like.toBool());
    case QMetaType::Double: return settings.loadDouble(key, qQNaN());
    case QMetaType::LongLong: return settings.loadInteger(key, -1);
    default: return settings.loadString(key, {});
    }
}

} // namespace

// Two real runs of the binary on one settings file: what a run reads it stores again unchanged,
// and a damaged file neither stops a run nor loses what can still be read.
class TestSettingsRoundTrip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keptAcrossRuns_data()
    {
        QTest::addColumn<QByteArray>("file");          // null: a folder in its place
        QTest::addColumn<QVariantMap>("expected");     // after each run; empty: the save fails

        QByteArray ini;
        for (auto it = everyKey.cbegin(); it != everyKey.cend(); ++it)
            ini += it.key().toLatin1() + '=' + it.value().toString().toLatin1() + '\n';
        QTest::newRow("every key") << ini << everyKey;
        QTest::newRow("garbage around good keys")
            << QByteArrayLiteral("\x01\xfe\xff[[[\n=\n;;\nPREFS_latitude=12.5\nPREFS_serverPort=99999999999999999999\n"
                                 "Prefs_LocationSource=1\n\x00\x7f garbage \\\n[General\n")
            << QVariantMap{{u"PREFS_latitude"_s, 12.5}, {u"Prefs_LocationSource"_s, qint64(1)},
                   {u"PREFS_serverPort"_s, qint64(8079)}};
        QTest::newRow("a folder in place of the file") << QByteArray() << QVariantMap();
    }

    void keptAcrossRuns()
    {
        QFETCH(QByteArray, file);
        QFETCH(QVariantMap, expected);

        HoravaneProcess horavane;
        const QString path = horavane.settingsPath();
        QVERIFY(QDir().mkpath(file.isNull() ? path : QFileInfo(path).path()));
        QFile settingsFile(path);
        QVERIFY(file.isNull() || (settingsFile.open(QIODevice::WriteOnly) && settingsFile.write(file) == file.size()));
        settingsFile.close();

        for (int run = 1; run <= 2; ++run) {
            horavane.start();
            QVERIFY(horavane.waitForLine(u"launched"_s));
            horavane.process().terminate();
            QVERIFY(horavane.waitForExit());
            QCOMPARE(horavane.process().exitStatus(), QProcess::NormalExit);
            QCOMPARE(horavane.process().exitCode(), 0);
            const QStringList lines = horavane.lines();
            const qsizetype saved = expected.isEmpty() ? 0 : 1;
            QVERIFY2(lines.filter(u"settings saved"_s).size() == saved
                    && lines.filter(u"cannot save the settings"_s).size() == 1 - saved,
                qPrintable(lines.join(u'\n')));
            const AppUtils::DefaultSettings after(path);
            for (auto it = expected.cbegin(); it != expected.cend(); ++it)
                QCOMPARE(load(after, it.key(), it.value()), it.value());
        }
    }
};

QTEST_GUILESS_MAIN(TestSettingsRoundTrip)
#include "tst_settingsroundtrip.moc"
