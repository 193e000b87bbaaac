#include "preferences/AppPreferences.h"
#include "preferences/FieldValidation.h"
#include "preferences/PreferencesGeneral.h"
#include "preferences/SettingsKeys.h"

#include <AppUtils/DefaultSettings.h>
#include <AppUtils/LaunchAtLogin.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <algorithm>

using namespace Qt::StringLiterals;
using Source = PreferencesGeneral::LocationSource;

namespace {

const QStringList RADIOS{u"m_sitech"_s, u"m_manual"_s, u"m_corelocation"_s};

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
    QStringList enabled(QStringList names)
    {
        names.removeIf([this](const QString &name) { return !general.view()->findChild<QWidget *>(name)->isEnabled(); });
        return names;
    }

    QTemporaryDir home;
    AppUtils::DefaultSettings settings{home.filePath(u".config/Horavane/Horavane.conf"_s)};
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

enum Limits { Latitude, Longitude, Unbounded, Port, Int64 };

bool accepts(const QString &text, int limits)
{
    using namespace FieldLimits;
    constexpr qint64 min = std::numeric_limits<qint64>::min(), max = std::numeric_limits<qint64>::max();
    switch (limits) {
    case Latitude: return isValidDoubleEntry(text, latitudeMin, latitudeMax);
    case Longitude: return isValidDoubleEntry(text, longitudeMin, longitudeMax);
    case Unbounded: return isValidDoubleEntry(text, -qInf(), qInf());
    case Port: return isValidIntegerEntry(text, portMin, portMax);
    default: return isValidIntegerEntry(text, min, max);
    }
}

} // namespace

class TestPreferencesGeneral : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A theme without the tool bar's icons, as on many desktops, before any pane is made.
    void initTestCase() { QIcon::setThemeName(u"hicolor"_s); }

    // Built once with its panes loaded and nothing on screen; the one window then hides on
    // Ctrl+W and comes back as it was left.
    void oneWindowShownAgainAndAgain()
    {
        AppPreferences &preferences = sharedPreferences();
        QCOMPARE(&sharedPreferences(), &preferences);
        QVERIFY(preferences.prefsGeneral().isViewLoaded() && preferences.prefsUpdate().isViewLoaded());
        QVERIFY(std::ranges::none_of(QApplication::topLevelWidgets(), &QWidget::isVisible));

        preferences.window().showWindow();
        QMainWindow *window = preferences.window().window();
        QVERIFY(window && QTest::qWaitForWindowActive(window));
        QCOMPARE(window->findChild<QToolBar *>()->actions().size(), 2);
        QLineEdit &latitude = *preferences.prefsGeneral().view()->findChild<QLineEdit *>(u"m_latitude"_s);
        QVERIFY(latitude.isVisibleTo(window));
        latitude.setFocus();
        latitude.setText(u"-33.8568"_s);
        QTest::keyClick(&latitude, Qt::Key_W, Qt::ControlModifier);
        QVERIFY(!window->isVisible());

        preferences.window().showWindow();
        QVERIFY(preferences.window().window() == window && window->isVisible());
        QCOMPARE(latitude.text(), u"-33.8568"_s);
        window->close();
    }

    // Where the desktop's icon theme lacks the tool bar's icons, they are still drawn, in ink
    // that shows on the palette, also after the palette changes.
    void toolBarIconsShowOnLightAndDark()
    {
        AppPreferences &preferences = sharedPreferences();
        for (const QIcon &icon : {preferences.prefsGeneral().toolbarItemIcon(), preferences.prefsUpdate().toolbarItemIcon()}) {
            QApplication::setPalette(QPalette(Qt::black, QColor(0xef, 0xef, 0xef)));
            const int onLight = inkLightness(icon);
            QApplication::setPalette(QPalette(Qt::white, QColor(0x2b, 0x2d, 0x30)));
            const int onDark = inkLightness(icon);
            QApplication::setPalette(QPalette());
            QVERIFY2(onLight >= 0 && onLight < 0xef - 100 && onDark > 0x2d + 100,
                     qPrintable(u"%1: %2 %3"_s.arg(icon.name()).arg(onLight).arg(onDark)));
        }
    }

    // Texts as a person may type them, one row for each way to be refused.
    void entry_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("limits");
        QTest::addColumn<bool>("valid");
        const auto rows = [](Limits limits, bool valid, const QStringList &texts) {
            for (const QString &text : texts)
                QTest::addRow("%d \"%s\"", int(limits), qPrintable(text)) << text << int(limits) << valid;
        };
        rows(Latitude, true, {u"+1e1"_s, u"-90"_s});
        rows(Latitude, false, {u"-91"_s, {}, u"12 "_s, u" 12"_s, u"\t12"_s, u"\u00A012"_s, u"12,5"_s, u"0x1p3"_s,
                               u"\uFF11\uFF12"_s});
        rows(Longitude, true, {u"180"_s});
        rows(Longitude, false, {u"1.81e2"_s});
        rows(Unbounded, false, {u"inf"_s, u"nan"_s, u"1e999"_s});
        rows(Port, true, {u"+8079"_s, u"65535"_s});
        rows(Port, false, {u"-1"_s, u"65536"_s, u"80.5"_s, u" 80"_s});
        rows(Int64, true, {u"9223372036854775807"_s});
        rows(Int64, false, {u"9223372036854775808"_s});
    }

    void entry()
    {
        QFETCH(QString, text);
        QFETCH(int, limits);
        QFETCH(bool, valid);
        QCOMPARE(accepts(text, limits), valid);
    }

    void storedSettingsSetTheControls_data()
    {
        QTest::addColumn<QVariantMap>("stored");
        QTest::addColumn<Source>("source");
        QTest::addColumn<QStringList>("enabled");
        QTest::addColumn<QString>("latitude");    // as the field shows it
        QTest::addColumn<QString>("longitude");

        const QStringList server{u"m_serverIP"_s, u"m_serverPort"_s};
        const QStringList position{u"m_latitude"_s, u"m_longitude"_s};
        const auto settings = [](int source, const QString &latitude = u"0"_s, const QString &longitude = u"0"_s) {
            return QVariantMap{{SettingsKeys::locationSource, source}, {SettingsKeys::latitude, latitude},
                               {SettingsKeys::longitude, longitude}};
        };
        QTest::newRow("absent") << QVariantMap() << Source::useCoreLocation << QStringList() << u"0"_s << u"0"_s;
        QTest::newRow("0 SiTech, -0") << settings(0, u"-0"_s) << Source::useSiTech << server << u"0"_s << u"0"_s;
        QTest::newRow("1 manual at the limits") << settings(1, u"-90.0"_s, u"180"_s) << Source::useManual << position
                                                << u"-90"_s << u"180"_s;
        QTest::newRow("-1 unknown, tiny values") << settings(-1, u"2.7e-6"_s, u"1e-10"_s) << Source::useCoreLocation
                                                 << QStringList() << u"0.0000027"_s << u"1e-10"_s;
        QTest::newRow("latitude 95, longitude -180.5") << settings(1, u"95"_s, u"-180.5"_s) << Source::useManual
                                                       << position << u"0"_s << u"0"_s;
    }

    // A coordinate the field would refuse loads as the default, like any unreadable value; a
    // coordinate is shown in plain decimals, down to a centimetre.
    void storedSettingsSetTheControls()
    {
        QFETCH(QVariantMap, stored);
        QFETCH(Source, source);
        QFETCH(QStringList, enabled);
        QFETCH(QString, latitude);
        QFETCH(QString, longitude);

        Pane p(stored);
        p.general.loadSettings();
        QCOMPARE(p.general.currentLocationSource(), source);
        const QAbstractButton &radio = p.button(RADIOS.at(int(source)));
        QVERIFY(radio.isChecked());
        QCOMPARE(radio.text().remove(u'&'), p.general.locationSourceName(source));   // as the read-out names it
        QCOMPARE(p.enabled({u"m_serverIP"_s, u"m_serverPort"_s, u"m_latitude"_s, u"m_longitude"_s}), enabled);
        QCOMPARE(p.enabled(RADIOS), RADIOS.mid(1));   // SiTech is kept, never chosen here
        QCOMPARE(p.general.latitudeField().text(), latitude);
        QCOMPARE(p.general.longitudeField().text(), longitude);
        QCOMPARE(QFile::exists(p.settings.fileName()), !stored.isEmpty());   // loading alone writes nothing
    }

    // A click saves the whole pane, the latitude typed but not yet saved included.
    void clickSavesThePane_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<Source>("source");
        QTest::newRow("manual from service") << u"m_manual"_s << Source::useManual;
        QTest::newRow("decimal option") << u"m_location_decimal"_s << Source::useCoreLocation;
    }

    void clickSavesThePane()
    {
        QFETCH(QString, control);
        QFETCH(Source, source);
        Pane p({{SettingsKeys::locationSource, 2}});
        p.general.loadSettings();
        p.field(u"m_latitude"_s).setText(u"-33.8568"_s);
        p.button(control).click();
        QCOMPARE(p.field(u"m_latitude"_s).isEnabled(), source == Source::useManual);
        QCOMPARE(p.stored().loadInteger(SettingsKeys::locationSource, -1), qint64(source));
        QCOMPARE(p.stored().loadDouble(SettingsKeys::latitude, 0.0), -33.8568);
    }

    void launchAtLoginFollowsTheEntry_data()
    {
        QTest::addColumn<bool>("atLaunch");       // stored on, else switched on by a click
        QTest::addColumn<QByteArray>("existing"); // what the entry's place holds; <file>: a file where its folder goes
        QTest::addColumn<QString>("problem");     // the end of the line under the box; empty: none, the box stays on
        const QByteArray handWritten = "[Desktop Entry]\nExec=env QT_SCALE_FACTOR=2 horavane\n";
        QTest::newRow("click, entry written") << false << QByteArray() << QString();
        QTest::newRow("launch, folder unwritable") << true << QByteArray("<file>") << u"/autostart is not writable."_s;
        QTest::newRow("click, someone else's entry") << false << handWritten
                                                     << u"horavane.desktop was not written by Horavane; left as it is."_s;
    }

    void launchAtLoginFollowsTheEntry()
    {
        QFETCH(bool, atLaunch);
        QFETCH(QByteArray, existing);
        QFETCH(QString, problem);

        Pane p({{SettingsKeys::launchAtLogin, atLaunch}});
        const QString entry = AppUtils::LaunchAtLogin::entryPath();
        QFile blocker(existing == "<file>" ? QFileInfo(entry).path() : entry);
        QVERIFY(existing.isEmpty() || (QDir().mkpath(QFileInfo(blocker.fileName()).path())
                                       && blocker.open(QIODevice::WriteOnly) && blocker.write(existing) > 0));
        blocker.close();
        p.general.loadSettings();   // with the box off, someone else's entry is left too
        if (!atLaunch)
            p.button(u"m_launch_login"_s).click();

        QAbstractButton &box = p.button(u"m_launch_login"_s);
        const auto *line = p.general.view()->findChild<QLabel *>(u"m_launch_login_problem"_s);
        QCOMPARE(box.isChecked(), problem.isEmpty());
        QCOMPARE(p.stored().loadBool(SettingsKeys::launchAtLogin, !problem.isEmpty()), problem.isEmpty());
        QVERIFY2(line->text().endsWith(problem) && line->isVisibleTo(p.general.view()) == !problem.isEmpty(),
                 qPrintable(line->text()));
        QCOMPARE(box.accessibleDescription(), line->text());
        if (!existing.isEmpty()) {
            QVERIFY(blocker.open(QIODevice::ReadOnly));
            QCOMPARE(blocker.readAll(), existing);
            return;
        }
        box.click();   // removes the entry now; the setting follows at save
        QVERIFY(!QFile::exists(entry));
        QVERIFY(p.general.saveSettings());
        QCOMPARE(p.stored().loadBool(SettingsKeys::launchAtLogin, true), false);
    }

    void failedSaveIsReported()
    {
        Pane p;
        p.general.loadSettings();
        QVERIFY(QDir().mkpath(p.settings.fileName()));   // a folder where the file should be
        QVERIFY(!p.general.saveSettings());
    }

    // Extra focus moves would be two fields pulling it back and forth, or a closing window held
    // open. The bad entry is selected again exactly when the focus ends up back in its field.
    void endOfEditSelectsABadEntry_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("leaveBy");
        QTest::addColumn<QString>("focused");   // object name of the focus widget afterwards
        QTest::addColumn<int>("moves");

        const QString lat = u"m_latitude"_s, lon = u"m_longitude"_s, port = u"m_serverPort"_s, tab = u"tab"_s;
        QTest::newRow("latitude 12,5, Return") << lat << u"12,5"_s << u"return"_s << lat << 0;
        QTest::newRow("longitude -180.5") << lon << u"-180.5"_s << tab << lon << 2;
        QTest::newRow("port 65536") << port << u"65536"_s << tab << port << 2;
        QTest::newRow("address is not checked") << u"m_serverIP"_s << u"-1 abc"_s << tab << port << 1;
        QTest::newRow("Tab into bad field") << lat << u"north"_s << u"tab to bad"_s << lon << 1;
        QTest::newRow("other source") << lat << u"north"_s << u"source"_s << u"m_corelocation"_s << 1;
        QTest::newRow("close window") << lat << u"north"_s << u"close"_s << QString() << 1;
        QTest::newRow("other window") << lat << u"north"_s << u"other"_s << u"other"_s << 1;
    }

    void endOfEditSelectsABadEntry()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, leaveBy);
        QFETCH(QString, focused);
        QFETCH(int, moves);

        Pane p({{SettingsKeys::locationSource, field.startsWith(u"m_server"_s) ? 0 : 1}});   // fields enabled
        p.general.loadSettings();
        p.general.view()->show();
        p.general.view()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(p.general.view()));
        if (leaveBy == u"tab to bad"_s)
            p.field(u"m_longitude"_s).setText(u"far east"_s);
        QLineEdit &edited = p.field(field);
        edited.setFocus(Qt::OtherFocusReason);
        edited.clear();
        QTest::keyClicks(&edited, text);

        QLineEdit other;
        other.setObjectName(u"other"_s);
        int moved = 0;
        connect(qApp, &QApplication::focusChanged, this, [&moved] { ++moved; });
        if (leaveBy.startsWith(u"tab"_s) || leaveBy == u"return"_s) {
            QTest::keyClick(&edited, leaveBy == u"return"_s ? Qt::Key_Return : Qt::Key_Tab);
        } else if (leaveBy == u"source"_s) {
            p.button(u"m_corelocation"_s).setFocus(Qt::MouseFocusReason);
            p.button(u"m_corelocation"_s).click();
        } else if (leaveBy == u"close"_s) {
            QVERIFY(p.general.view()->close());
        } else {
            other.setFocus();
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
        }
        for (int pass = 0; pass < 5; ++pass)   // a tug of war would go on here
            QCoreApplication::processEvents();
        disconnect(qApp, &QApplication::focusChanged, this, nullptr);

        QCOMPARE(moved, moves);
        const QWidget *focus = QApplication::focusWidget();
        QCOMPARE(focus ? focus->objectName() : QString(), focused);
        QCOMPARE(edited.hasFocus() && edited.selectedText() == text, focused == field);
        QCOMPARE(edited.text(), text);   // never corrected nor restored
    }
};

QTEST_MAIN(TestPreferencesGeneral)
#include "tst_preferencesgeneral.moc"
