#include <SparklePreferences/UpdateSettings.h>

#include <QSettings>
#include <QTest>

using namespace Qt::StringLiterals;

class TestUpdateSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Values as a person may have typed them into the settings file; an empty text is no entry.
    void isDue_data()
    {
        QTest::addColumn<QString>("automatic");
        QTest::addColumn<QString>("interval");
        QTest::addColumn<QString>("lastCheck");
        QTest::addColumn<bool>("due");

        const auto ago = [](qint64 hours) { return QString::number(1'733'600'000 - hours * 3600); };
        QTest::newRow("off, long ago") << u"false"_s << u"daily"_s << ago(9999) << false;
        QTest::newRow("on, never checked") << u"true"_s << QString() << QString() << true;
        QTest::newRow("daily, 23 h ago") << u"true"_s << u"daily"_s << ago(23) << false;
        QTest::newRow("daily, 24 h ago") << u"true"_s << u"daily"_s << ago(24) << true;
        QTest::newRow("monthly, 29 days ago") << u"true"_s << u"monthly"_s << ago(29 * 24) << false;
        QTest::newRow("unknown interval is daily") << u"true"_s << u"hourly"_s << ago(48) << true;
        QTest::newRow("last check in the future") << u"true"_s << u"weekly"_s << ago(-1) << true;
        QTest::newRow("last check not a number") << u"true"_s << u"weekly"_s << u"yesterday"_s << true;
        QTest::newRow("last check beyond the clock") << u"true"_s << u"weekly"_s << u"9223372036854775807"_s << true;
    }

    void isDue()
    {
        QFETCH(QString, automatic);
        QFETCH(QString, interval);
        QFETCH(QString, lastCheck);
        QFETCH(bool, due);
        {
            QSettings file(AppUtils::DefaultSettings().fileName(), QSettings::IniFormat);
            file.remove(u"SoftwareUpdate"_s);
            const QString values[] = {automatic, interval, lastCheck};
            const QString keys[] = {u"AutomaticChecks"_s, u"Interval"_s, u"LastCheck"_s};
            for (int i = 0; i < 3; ++i) {
                if (!values[i].isEmpty())
                    file.setValue(u"SoftwareUpdate/"_s + keys[i], values[i]);
            }
        }
        const std::chrono::system_clock::time_point now(std::chrono::seconds(1'733'600'000));
        QCOMPARE(SparklePreferences::UpdateSettings().isDue(now), due);
    }
};

QTEST_GUILESS_MAIN(TestUpdateSettings)
#include "tst_updatesettings.moc"
