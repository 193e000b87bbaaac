#include "preferences/PreferencesGeneral.h"
#include "preferences/SettingsKeys.h"

#include <AppUtils/DefaultSettings.h>
#include <AppUtils/LaunchAtLogin.h>
#include <Platform/TextField.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;
using Source = PreferencesGeneral::LocationSource;

namespace {

const QStringList RADIOS{u"m_sitech"_s, u"m_manual"_s, u"m_corelocation"_s};

struct Pane {
    explicit Pane(std::optional<qint64> source = std::nullopt)
    {
        qputenv("XDG_CONFIG_HOME", home.filePath(u".config"_s).toLocal8Bit());
        if (source)
            settings.saveInteger(SettingsKeys::locationSource, *source);
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
    void storedSourceSetsTheControls_data()
    {
        QTest::addColumn<std::optional<qint64>>("stored");
        QTest::addColumn<Source>("source");
        QTest::addColumn<QStringList>("enabled");

        const QStringList server{u"m_serverIP"_s, u"m_serverPort"_s};
        const QStringList position{u"m_latitude"_s, u"m_longitude"_s};
        QTest::newRow("absent") << std::optional<qint64>() << Source::useCoreLocation << QStringList();
        QTest::newRow("0 SiTech") << std::optional<qint64>(0) << Source::useSiTech << server;
        QTest::newRow("1 manual") << std::optional<qint64>(1) << Source::useManual << position;
        QTest::newRow("3 unknown") << std::optional<qint64>(3) << Source::useCoreLocation << QStringList();
        QTest::newRow("-1 unknown") << std::optional<qint64>(-1) << Source::useCoreLocation << QStringList();
    }

    void storedSourceSetsTheControls()
    {
        QFETCH(std::optional<qint64>, stored);
        QFETCH(Source, source);
        QFETCH(QStringList, enabled);

        Pane p(stored);
        p.general.loadSettings();
        QCOMPARE(p.general.currentLocationSource(), source);
        QVERIFY(p.button(RADIOS.at(int(source))).isChecked());
        QCOMPARE(p.enabled({u"m_serverIP"_s, u"m_serverPort"_s, u"m_latitude"_s, u"m_longitude"_s}), enabled);
        QCOMPARE(p.enabled(RADIOS), RADIOS.mid(1));   // SiTech is kept, never chosen here
        // Loading alone writes nothing.
        QVERIFY(!p.button(u"m_launch_login"_s).isChecked() && p.general.locationDecimalBox().isChecked());
        QCOMPARE(Platform::TextField::doubleValue(p.general.latitudeField()), 0.0);
        QCOMPARE(p.field(u"m_serverIP"_s).text() + p.field(u"m_serverPort"_s).text(), u"8079"_s);
        QCOMPARE(QFile::exists(p.settings.fileName()), stored.has_value());
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

        Pane p(stored);
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
        QTest::addColumn<bool>("atLaunch");   // stored on, else switched on by a click
        QTest::addColumn<bool>("writable");   // whether the autostart folder can be made
        QTest::newRow("click, entry written") << false << true;
        QTest::newRow("click, folder unwritable") << false << false;
        QTest::newRow("launch, folder unwritable") << true << false;
    }

    void launchAtLoginFollowsTheEntry()
    {
        QFETCH(bool, atLaunch);
        QFETCH(bool, writable);

        Pane p;
        QFile blocker(QFileInfo(AppUtils::LaunchAtLogin::entryPath()).path());   // a file where the folder goes
        QVERIFY(writable || (QDir().mkpath(QFileInfo(blocker.fileName()).path()) && blocker.open(QIODevice::WriteOnly)));
        QVERIFY(!atLaunch || p.settings.saveBool(SettingsKeys::launchAtLogin, true));
        p.general.loadSettings();
        if (!atLaunch)
            p.button(u"m_launch_login"_s).click();

        QCOMPARE(p.button(u"m_launch_login"_s).isChecked(), writable);
        QCOMPARE(p.stored().loadBool(SettingsKeys::launchAtLogin, !writable), writable);
        QCOMPARE(AppUtils::LaunchAtLogin().agentIsValid(), writable);
        if (!writable)
            return;
        p.button(u"m_launch_login"_s).click();   // removes the entry now; the setting follows at save
        QVERIFY(!QFile::exists(AppUtils::LaunchAtLogin::entryPath()));
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
        QTest::newRow("latitude -91") << lat << u"-91"_s << tab << lat << 2 << true;
        QTest::newRow("latitude 12,5, Return") << lat << u"12,5"_s << u"return"_s << lat << 0 << true;
        QTest::newRow("longitude -180.5") << u"m_longitude"_s << u"-180.5"_s << tab << u"m_longitude"_s << 2 << true;
        QTest::newRow("port +8079") << port << u"+8079"_s << tab << u"m_manual"_s << 1 << false;
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

        Pane p(field.startsWith(u"m_server"_s) ? 0 : 1);   // the source whose fields are enabled
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
