#include "preferences/AppPreferences.h"
#include "preferences/PreferencesGeneral.h"
#include "preferences/SettingsKeys.h"

#include <AppUtils/DefaultSettings.h>
#include <AppUtils/LaunchAtLogin.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Source = PreferencesGeneral::LocationSource;

namespace {

const QStringList RADIOS{u"m_sitech"_s, u"m_manual"_s, u"m_corelocation"_s, u"m_gpsd"_s};

struct Pane {
    explicit Pane(const QVariantMap &stored = {})   // values as the settings file holds them
    {
        qputenv("XDG_CONFIG_HOME", home.filePath(u".config"_s).toLocal8Bit());
        for (const auto &[key, text] : stored.asKeyValueRange())
            settings.saveString(key, text.toString());
    }

    QLineEdit &field(const QString &name) { return *general.view()->findChild<QLineEdit *>(name); }
    QAbstractButton &button(const QString &name) { return *general.view()->findChild<QAbstractButton *>(name); }
    AppUtils::DefaultSettings stored() const { return AppUtils::DefaultSettings(settings.fileName()); }

    QTemporaryDir home;
    AppUtils::DefaultSettings settings{home.filePath(u"settings.conf"_s)};
    PreferencesGeneral general{settings};
};

// The mean lightness of what the icon draws, 0 to 255; -1 when it draws nothing.
int inkLightness(const QIcon &icon)
{
    const QImage image = icon.pixmap(32).toImage();
    int sum = 0, count = 0;
    for (int i = 0; i < image.width() * image.height(); ++i) {
        const QColor pixel = image.pixelColor(i % image.width(), i / image.width());
        sum += pixel.alpha() > 128 ? pixel.lightness() : 0;
        count += pixel.alpha() > 128 ? 1 : 0;
    }
    return count ? sum / count : -1;
}

} // namespace

class TestPreferencesGeneral : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A theme without the tool bar's icons, as on many desktops, before any pane is made.
    void initTestCase() { QIcon::setThemeName(u"hicolor"_s); }

    // The drawn stand-ins show on the palette, also after the palette changes.
    void toolBarIconsShowOnLightAndDark()
    {
        AppPreferences &preferences = sharedPreferences();
        for (const QIcon &icon : {preferences.prefsGeneral().toolbarItemIcon(), preferences.prefsUpdate().toolbarItemIcon()}) {
            QApplication::setPalette(QPalette(Qt::black, QColor(0xef, 0xef, 0xef)));
            const int onLight = inkLightness(icon);
            QApplication::setPalette(QPalette(Qt::white, QColor(0x2b, 0x2d, 0x30)));
            const int onDark = inkLightness(icon);
            QApplication::setPalette(QPalette());
            QVERIFY2(onLight >= 0 && onLight < 0xef - 100 && onDark > 0x2d + 100, qPrintable(u"%1 %2"_s.arg(onLight).arg(onDark)));
        }
    }

    void storedSettingsSetTheControls_data()
    {
        QTest::addColumn<QVariantMap>("stored");
        QTest::addColumn<Source>("source");
        QTest::addColumn<QString>("shown");   // latitude and longitude as the fields show them
        const auto row = [](const char *name, int source, const QString &latitude, const QString &longitude) -> QTestData & {
            return QTest::newRow(name) << QVariantMap{{SettingsKeys::locationSource, source}, {SettingsKeys::latitude, latitude},
                                                      {SettingsKeys::longitude, longitude}};
        };
        QTest::newRow("absent") << QVariantMap() << Source::useCoreLocation << u"0 0"_s;
        row("0 SiTech, -0", 0, u"-0"_s, u"0"_s) << Source::useSiTech << u"0 0"_s;
        row("1 manual at the limits", 1, u"-90.0"_s, u"180"_s) << Source::useManual << u"-90 180"_s;
        row("-1 unknown, tiny values", -1, u"2.7e-6"_s, u"1e-10"_s) << Source::useCoreLocation << u"0.0000027 1e-10"_s;
        row("latitude 95, longitude -180.5", 1, u"95"_s, u"-180.5"_s) << Source::useManual << u"95 -180.5"_s;
        row("3 gpsd", 3, u"1"_s, u"2"_s) << Source::useGpsd << u"1 2"_s;
        row("4 unknown", 4, u"1"_s, u"2"_s) << Source::useCoreLocation << u"1 2"_s;
    }

    // A coordinate the field would refuse is shown as stored; a coordinate is shown in plain
    // decimals, down to a centimetre. Loading alone writes nothing.
    void storedSettingsSetTheControls()
    {
        QFETCH(QVariantMap, stored);
        QFETCH(Source, source);
        QFETCH(QString, shown);
        Pane p(stored);
        p.general.loadSettings();
        QVERIFY(p.general.currentLocationSource() == source && p.button(RADIOS.at(int(source))).isChecked());
        QCOMPARE(p.button(RADIOS.at(0)).text().remove(u'&'), u"SiTech NTP Server"_s);
        QCOMPARE(p.field(u"m_latitude"_s).text() + u' ' + p.field(u"m_longitude"_s).text(), shown);
        QCOMPARE(QFile::exists(p.settings.fileName()), !stored.isEmpty());
        // Out of range, it places the observer nowhere, and stays as stored until typed again.
        const bool outOfRange = shown == u"95 -180.5"_s;
        QCOMPARE(p.general.observerSettings().storedPositionUnusable, outOfRange);
        QVERIFY(!outOfRange || (p.general.saveSettings() && p.stored().loadString(SettingsKeys::latitude, {}) == u"95"_s));
    }

    // A click saves the whole pane, the latitude typed but not yet saved included. The clocks
    // hear of each change at once: the keystroke, before any end of edit, and the click.
    void clickSavesThePane()
    {
        Pane p({{SettingsKeys::locationSource, 2}, {SettingsKeys::lst24Hours, true}});
        p.general.loadSettings();
        QSignalSpy published(&p.general, &PreferencesGeneral::observerChanged);
        p.field(u"m_latitude"_s).setText(u" -3.38568e1x"_s);   // read as far as it is a number
        p.button(u"m_manual"_s).click();
        QCOMPARE(published.count(), 2);
        QVERIFY(published.last().at(0).value<ObserverSettings>() == (ObserverSettings{Source::useManual, -33.8568, 0, true, true}));
        QVERIFY(p.field(u"m_latitude"_s).isEnabled());
        QCOMPARE(p.stored().loadInteger(SettingsKeys::locationSource, -1), qint64(Source::useManual));
        QCOMPARE(p.stored().loadDouble(SettingsKeys::latitude, 0.0), -33.8568);
        p.button(u"m_lst_24hours"_s).click(); // the 24-hour LST dial, loaded on, off again
        QVERIFY(!published.last().at(0).value<ObserverSettings>().lst24Hours && !p.stored().loadBool(SettingsKeys::lst24Hours, true));
    }

    // A site's "Observe from here", over a stored position the pane could not use: the pane
    // shows, publishes and stores the site's position under the manual source.
    void observeFromStoresTheSite()
    {
        Pane p({{SettingsKeys::locationSource, 2}, {SettingsKeys::latitude, u"north"_s}});
        p.general.loadSettings();
        QSignalSpy published(&p.general, &PreferencesGeneral::observerChanged);
        QVERIFY(p.general.observeFrom(-30.2407, -70.7366));
        QVERIFY(published.last().at(0).value<ObserverSettings>() == (ObserverSettings{Source::useManual, -30.2407, -70.7366}));
        QCOMPARE(p.stored().loadInteger(SettingsKeys::locationSource, -1), qint64(Source::useManual));
        QCOMPARE(p.stored().loadDouble(SettingsKeys::latitude, 0.0), -30.2407);
        QCOMPARE(p.stored().loadDouble(SettingsKeys::longitude, 0.0), -70.7366);
    }

    // A stored DUT1 keeps the day it was typed; a new one is dated today; one beyond ±0.9 s
    // is kept out of use (and out of the file) with a line saying why, the last good one staying.
    void typedDut1()
    {
        Pane p({{SettingsKeys::typedDut1, u"-0.2345"_s}, {SettingsKeys::typedDut1Date, u"2026-10-01"_s}});
        QSignalSpy published(&p.general, &PreferencesGeneral::typedDut1Changed);
        p.general.loadSettings();
        const auto sent = [&] { return published.last().at(0).value<std::optional<TypedDut1>>(); };
        QVERIFY(sent() == (TypedDut1{-0.2345, QDate(2026, 10, 1)}));
        p.field(u"m_dut1"_s).setText(u"1.5"_s);
        QCOMPARE(published.count(), 1);
        QCOMPARE(p.general.view()->findChild<QLabel *>(u"m_dut1_note"_s)->text(), u"Not used: DUT1 is a number of seconds from −0.9 to +0.9"_s);
        QVERIFY(p.general.saveSettings());
        QCOMPARE(p.stored().loadString(SettingsKeys::typedDut1, {}), u"-0.2345"_s); // as typed, not rounded
        p.field(u"m_dut1"_s).setText(u"+0.3"_s);
        QVERIFY(sent() == (TypedDut1{0.3, QDateTime::currentDateTimeUtc().date()}));
        p.field(u"m_dut1"_s).clear();
        QVERIFY(sent() == std::nullopt);
    }

    // The gpsd server follows each good entry; a bad one is kept out of use (and out of the
    // file) with a line saying why, the pair in use staying.
    void gpsdServer()
    {
        Pane p({{SettingsKeys::gpsdHost, u"gps.local"_s}, {SettingsKeys::gpsdPort, u"2948"_s}});
        QSignalSpy published(&p.general, &PreferencesGeneral::observerChanged);
        p.general.loadSettings();
        const auto sent = [&]() -> QString {
            const auto settings = published.last().at(0).value<ObserverSettings>();
            return settings.gpsdHost + u':' + QString::number(settings.gpsdPort);
        };
        QCOMPARE(sent(), u"gps.local:2948"_s);
        p.field(u"m_gpsdPort"_s).setText(u"0"_s);
        p.field(u"m_gpsdHost"_s).setText(u"pi"_s);
        QCOMPARE(p.general.view()->findChild<QLabel *>(u"m_gpsd_note"_s)->text(), u"Not used: the port is a whole number from 1 to 65535"_s);
        QVERIFY(p.general.saveSettings());
        QCOMPARE(p.stored().loadInteger(SettingsKeys::gpsdPort, 0), 2948);
        p.field(u"m_gpsdPort"_s).setText(u"2947"_s);
        QCOMPARE(sent(), u"pi:2947"_s);
    }

    // Stored on at launch, but the entry cannot be written: the box goes off and the line under
    // it says why, to screen readers too; once the way is clear a click writes the entry.
    void launchAtLoginFollowsTheEntry()
    {
        Pane p({{SettingsKeys::launchAtLogin, true}});
        const QString entry = AppUtils::LaunchAtLogin::entryPath();
        QFile blocker(QFileInfo(entry).path());   // a file where the entry's folder goes
        QVERIFY(QDir().mkpath(QFileInfo(blocker.fileName()).path()) && blocker.open(QIODevice::WriteOnly));
        p.general.loadSettings();
        QAbstractButton &box = p.button(u"m_launch_login"_s);
        const auto *line = p.general.view()->findChild<QLabel *>(u"m_launch_login_problem"_s);
        QVERIFY(!box.isChecked() && line->isVisibleTo(p.general.view()));
        QVERIFY2(line->text().endsWith(u"/autostart is not writable."_s), qPrintable(line->text()));
        QCOMPARE(box.accessibleDescription(), line->text());
        QCOMPARE(p.stored().loadBool(SettingsKeys::launchAtLogin, true), false);

        QVERIFY(blocker.remove());
        box.click();
        QVERIFY(box.isChecked() && QFile::exists(entry) && !line->isVisibleTo(p.general.view()));
    }

    // A bad entry is selected again when Tab has taken the focus out of its field: one move
    // there and one back, not two fields pulling it back and forth. It is never corrected, and
    // never stored. An entry is a whole number in range, as C's strtod reads one.
    void endOfEditSelectsABadEntry_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("bad");
        const auto rows = [](const QString &field, bool bad, const QStringList &texts) {
            for (const QString &text : texts)
                QTest::addRow("%s \"%s\"", qPrintable(field), qPrintable(text)) << field << text << bad;
        };
        rows(u"m_latitude"_s, false, {u"+1e1"_s, u"-90"_s, u"-1e-999"_s, u"0x10"_s, u"-0x1p3"_s});
        rows(u"m_latitude"_s, true, {u"-91"_s, {}, u" 12"_s, u"12,5"_s, u"1e+"_s, u"0x5bp0"_s, u"nan"_s, u"inf"_s, u"\uFF11\uFF12"_s, u"1e999"_s});
        rows(u"m_longitude"_s, false, {u"180"_s});
        rows(u"m_longitude"_s, true, {u"-180.5"_s});
        rows(u"m_serverPort"_s, false, {u"+8079"_s});
        rows(u"m_serverPort"_s, true, {u"+"_s, u"80.5"_s, u"65536"_s});
        rows(u"m_serverIP"_s, false, {u"-1 abc"_s});   // free text
        rows(u"next field bad too"_s, false, {u"north"_s});   // the latitude; the focus stays in the longitude
    }

    void endOfEditSelectsABadEntry()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(bool, bad);
        const bool badNext = !field.startsWith(u"m_"_s);
        Pane p({{SettingsKeys::locationSource, field.startsWith(u"m_server"_s) ? 0 : 1}});   // fields enabled
        p.general.loadSettings();
        p.general.view()->show();
        QVERIFY(QTest::qWaitForWindowActive(p.general.view()));
        if (badNext)
            p.field(u"m_longitude"_s).setText(u"far east"_s);
        QLineEdit &edited = p.field(badNext ? u"m_latitude"_s : field);
        edited.setFocus(Qt::OtherFocusReason);
        edited.clear();
        edited.insert(text);   // as typed; some of these have no key
        const QSignalSpy moves(qApp, &QApplication::focusChanged);
        QTest::keyClick(&edited, Qt::Key_Tab);
        for (int pass = 0; pass < 5; ++pass)   // a tug of war would go on here
            QCoreApplication::processEvents();

        QCOMPARE(moves.size(), bad ? 2 : 1);
        QCOMPARE(edited.hasFocus() && edited.selectedText() == text, bad);
        QVERIFY(!badNext || p.field(u"m_longitude"_s).hasFocus());
        QCOMPARE(edited.text(), text);
        QCOMPARE(p.stored().loadString(SettingsKeys::latitude, u"unsaved"_s), u"unsaved"_s);
    }
};

QTEST_MAIN(TestPreferencesGeneral)
#include "tst_preferencesgeneral.moc"
