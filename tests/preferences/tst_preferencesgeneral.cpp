#include "preferences/PreferencesGeneral.h"
#include "preferences/SettingsKeys.h"

#include <AppUtils/DefaultSettings.h>
#include <AppUtils/LaunchAtLogin.h>
#include <Platform/TextField.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

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

} // namespace

class TestPreferencesGeneral : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void storedSettingsSetTheControls_data()
    {
        QTest::addColumn<QVariantMap>("stored");
        QTest::addColumn<Source>("source");
        QTest::addColumn<QStringList>("enabled");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");

        const QStringList server{u"m_serverIP"_s, u"m_serverPort"_s};
        const QStringList position{u"m_latitude"_s, u"m_longitude"_s};
        const auto settings = [](int source, const QString &latitude = u"0"_s, const QString &longitude = u"0"_s) {
            return QVariantMap{{SettingsKeys::locationSource, source}, {SettingsKeys::latitude, latitude},
                               {SettingsKeys::longitude, longitude}};
        };
        QTest::newRow("absent") << QVariantMap() << Source::useCoreLocation << QStringList() << 0.0 << 0.0;
        QTest::newRow("0 SiTech") << settings(0) << Source::useSiTech << server << 0.0 << 0.0;
        QTest::newRow("1 manual at the limits") << settings(1, u"-90"_s, u"180"_s) << Source::useManual << position
                                                << -90.0 << 180.0;
        QTest::newRow("-1 unknown") << settings(-1) << Source::useCoreLocation << QStringList() << 0.0 << 0.0;
        QTest::newRow("latitude 95, longitude 540") << settings(1, u"95"_s, u"540"_s) << Source::useManual << position
                                                    << 0.0 << 0.0;
        QTest::newRow("latitude 1e300, longitude -180.5") << settings(1, u"1e300"_s, u"-180.5"_s) << Source::useManual
                                                          << position << 0.0 << 0.0;
    }

    // A coordinate the field would refuse loads as the default, like any unreadable value.
    void storedSettingsSetTheControls()
    {
        QFETCH(QVariantMap, stored);
        QFETCH(Source, source);
        QFETCH(QStringList, enabled);
        QFETCH(double, latitude);
        QFETCH(double, longitude);

        Pane p(stored);
        p.general.loadSettings();
        QCOMPARE(p.general.currentLocationSource(), source);
        const QAbstractButton &radio = p.button(RADIOS.at(int(source)));
        QVERIFY(radio.isChecked());
        QCOMPARE(radio.text().remove(u'&'), p.general.locationSourceName(source));   // as the read-out names it
        QCOMPARE(p.enabled({u"m_serverIP"_s, u"m_serverPort"_s, u"m_latitude"_s, u"m_longitude"_s}), enabled);
        QCOMPARE(p.enabled(RADIOS), RADIOS.mid(1));   // SiTech is kept, never chosen here
        QCOMPARE(Platform::TextField::doubleValue(p.general.latitudeField()), latitude);
        QCOMPARE(Platform::TextField::doubleValue(p.general.longitudeField()), longitude);
        QCOMPARE(QFile::exists(p.settings.fileName()), !stored.isEmpty());   // loading alone writes nothing
    }

    // A click saves the whole pane, unsaved latitude included; an action saves only if a button sent it.
    void choosingASourceSavesThePane_data()
    {
        QTest::addColumn<qint64>("stored");
        QTest::addColumn<QString>("sender");   // a control of the pane, or "button"/"object" elsewhere
        QTest::addColumn<Source>("source");
        QTest::addColumn<bool>("saves");

        QTest::newRow("manual from service") << qint64(2) << u"m_manual"_s << Source::useManual << true;
        QTest::newRow("SiTech cannot be clicked") << qint64(1) << u"m_sitech"_s << Source::useManual << false;
        QTest::newRow("decimal option") << qint64(2) << u"m_location_decimal"_s << Source::useCoreLocation << true;
        QTest::newRow("another button") << qint64(1) << u"button"_s << Source::useManual << true;
        QTest::newRow("an object, no button") << qint64(1) << u"object"_s << Source::useManual << false;
    }

    void choosingASourceSavesThePane()
    {
        QFETCH(qint64, stored);
        QFETCH(QString, sender);
        QFETCH(Source, source);
        QFETCH(bool, saves);

        Pane p({{SettingsKeys::locationSource, stored}});
        p.general.loadSettings();
        p.field(u"m_latitude"_s).setText(u"-33.8568"_s);
        QPushButton button;
        QObject object;
        if (sender == u"button"_s || sender == u"object"_s)
            p.general.locationSource(sender == u"button"_s ? &button : &object);
        else
            p.button(sender).click();

        QVERIFY(p.button(RADIOS.at(int(source))).isChecked());
        QCOMPARE(p.field(u"m_latitude"_s).isEnabled(), source == Source::useManual);
        QCOMPARE(p.stored().loadInteger(SettingsKeys::locationSource, -1), saves ? qint64(source) : stored);
        QCOMPARE(p.stored().loadDouble(SettingsKeys::latitude, 0.0), saves ? -33.8568 : 0.0);
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
        QVERIFY(line);
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

    // Extra focus moves would be two fields pulling it back and forth, or a closing window held open.
    void endOfEditSelectsABadEntry_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("leaveBy");
        QTest::addColumn<QString>("focused");   // object name of the focus widget afterwards
        QTest::addColumn<int>("moves");
        QTest::addColumn<bool>("reselected");

        const QString lat = u"m_latitude"_s, port = u"m_serverPort"_s, tab = u"tab"_s;
        QTest::newRow("latitude 45.5") << lat << u"45.5"_s << tab << u"m_longitude"_s << 1 << false;
        QTest::newRow("latitude 12,5, Return") << lat << u"12,5"_s << u"return"_s << lat << 0 << true;
        QTest::newRow("longitude -180.5") << u"m_longitude"_s << u"-180.5"_s << tab << u"m_longitude"_s << 2 << true;
        QTest::newRow("port 65536") << port << u"65536"_s << tab << port << 2 << true;
        QTest::newRow("address is not checked") << u"m_serverIP"_s << u"-1 abc"_s << tab << port << 1 << false;
        QTest::newRow("Tab into bad field") << lat << u"north"_s << u"tab to bad"_s << u"m_longitude"_s << 1 << false;
        QTest::newRow("other source") << lat << u"north"_s << u"source"_s << u"m_corelocation"_s << 1 << false;
        QTest::newRow("close window") << lat << u"north"_s << u"close"_s << QString() << 1 << false;
        QTest::newRow("other window") << lat << u"north"_s << u"other"_s << u"other"_s << 1 << false;
    }

    void endOfEditSelectsABadEntry()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, leaveBy);
        QFETCH(QString, focused);
        QFETCH(int, moves);
        QFETCH(bool, reselected);

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
        QCOMPARE(edited.hasFocus() && edited.selectedText() == text, reselected);
        QCOMPARE(edited.text(), text);   // never corrected nor restored
    }
};

QTEST_MAIN(TestPreferencesGeneral)
#include "tst_preferencesgeneral.moc"
