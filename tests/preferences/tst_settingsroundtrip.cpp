#include "../faults/SettingsFixture.h"
#include "HoravaneProcess.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace SettingsFixture;

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
        QTest::newRow("every key") << written() << everyKey;
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
        QVERIFY(file.isNull() ? QDir().mkpath(path) : writeFile(path, file));
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
                QCOMPARE(stored(after, it.key(), it.value().typeId()), exact(it.value()));
        }
    }
};

QTEST_GUILESS_MAIN(TestSettingsRoundTrip)
#include "tst_settingsroundtrip.moc"
