#include <SparklePreferences/UpdateSettings.h>

#include <QSettings>
#include <QTest>

using namespace Qt::StringLiterals;
using SparklePreferences::UpdateSettings;

namespace {

constexpr qint64 now = 1'733'600'000;   // 2024-12-07, Unix seconds
constexpr qint64 hour = 3600;
constexpr qint64 day = 24 * hour;

// The settings file itself, as a hand edit sees it.
QSettings store()
{
    return QSettings(AppUtils::DefaultSettings().fileName(), QSettings::IniFormat);
}

} // namespace

class TestUpdateSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QSettings settings = store();
        settings.remove(u"SoftwareUpdate"_s);
    }

    // Values as a person may have typed them into the settings file; an empty text is no entry.
    void isDue_data()
    {
        QTest::addColumn<QString>("automatic");
        QTest::addColumn<QString>("interval");
        QTest::addColumn<QString>("lastCheck");
        QTest::addColumn<bool>("due");

        const auto ago = [](qint64 seconds) { return QString::number(now - seconds); };
        QTest::newRow("off, long ago") << u"false"_s << u"daily"_s << ago(400 * day) << false;
        QTest::newRow("on, never checked") << u"true"_s << QString() << QString() << true;
        QTest::newRow("daily, 23 h ago") << u"true"_s << u"daily"_s << ago(23 * hour) << false;
        QTest::newRow("daily, 24 h ago") << u"true"_s << u"daily"_s << ago(day) << true;
        QTest::newRow("weekly, 7 days ago") << u"true"_s << u"weekly"_s << ago(7 * day) << true;
        QTest::newRow("monthly, 29 days ago") << u"true"_s << u"monthly"_s << ago(29 * day) << false;
        QTest::newRow("unknown interval is daily") << u"true"_s << u"hourly"_s << ago(2 * day) << true;
        QTest::newRow("last check in the future") << u"true"_s << u"weekly"_s << ago(-hour) << true;
        QTest::newRow("last check not a number") << u"true"_s << u"weekly"_s << u"yesterday"_s << true;
        QTest::newRow("last check beyond the clock") << u"true"_s << u"weekly"_s << u"9223372036854775807"_s
                                                     << true;
    }

    void isDue()
    {
        QFETCH(QString, automatic);
        QFETCH(QString, interval);
        QFETCH(QString, lastCheck);
        QFETCH(bool, due);
        {
            QSettings settings = store();
            const std::pair<QString, QString> entries[] = {{u"SoftwareUpdate/AutomaticChecks"_s, automatic},
                {u"SoftwareUpdate/Interval"_s, interval}, {u"SoftwareUpdate/LastCheck"_s, lastCheck}};
            for (const auto &[key, value] : entries) {
                if (!value.isEmpty())
                    settings.setValue(key, value);
            }
        }
        const UpdateSettings settings;
        QCOMPARE(settings.isDue(std::chrono::system_clock::time_point(std::chrono::seconds(now))), due);
    }
};

QTEST_GUILESS_MAIN(TestUpdateSettings)
#include "tst_updatesettings.moc"
