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

const QStringList FIELDS{u"m_serverIP"_s, u"m_serverPort"_s, u"m_latitude"_s, u"m_longitude"_s};
const QStringList RADIOS{u"m_sitech"_s, u"m_manual"_s, u"m_corelocation"_s};

// A General pane on a settings file of its own, with the login entry in a folder of its own.
struct Pane {
    Pane() { qputenv("XDG_CONFIG_HOME", home.filePath(u".config"_s).toLocal8Bit()); }

    QLineEdit &field(const QString &name) { return *general.view()->findChild<QLineEdit *>(name); }
    QAbstractButton &button(const QString &name) { return *general.view()->findChild<QAbstractButton *>(name); }
    // What another run would read from the settings file.
    AppUtils::DefaultSettings stored() const { return AppUtils::DefaultSettings(settings.fileName()); }

    QStringList enabledFields()
    {
        QStringList names = FIELDS;
        names.removeIf([this](const QString &name) { return !field(name).isEnabled(); });
        return names;
    }
    QStringList radiosOn()
    {
        QStringList names = RADIOS;
        names.removeIf([this](const QString &name) { return !button(name).isChecked(); });
        return names;
    }

    // The view as a window of its own, on screen and active, as the user meets it.
    bool showActive()
    {
        general.view()->show();
        general.view()->activateWindow();
        return QTest::qWaitForWindowActive(general.view());
    }

    QTemporaryDir home;
    AppUtils::DefaultSettings settings{home.filePath(u".config/Horavane/Horavane.conf"_s)};
    PreferencesGeneral general{settings};
};

// Runs what the end of an edit left queued.
void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void retype(QLineEdit &field, const QString &text)
{
    field.setFocus(Qt::OtherFocusReason);
    QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&field, Qt::Key_Backspace);
    QTest::keyClicks(&field, text);
}

} // namespace

class TestPreferencesGeneral : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void emptyStoreGivesDefaults();
    void storedSourceSetsTheControls_data();
    void storedSourceSetsTheControls();
    void choosingASourceSavesThePane_data();
    void choosingASourceSavesThePane();
    void launchAtLoginFollowsTheEntry_data();
    void launchAtLoginFollowsTheEntry();
    void launchAtLoginOffRemovesTheEntryOnly();
    void failedSaveIsReported();
    void endOfEditSelectsABadEntry_data();
    void endOfEditSelectsABadEntry();
    void badEntryDoesNotHoldTheUser_data();
    void badEntryDoesNotHoldTheUser();
};

void TestPreferencesGeneral::emptyStoreGivesDefaults()
{
    Pane p;
    p.general.loadSettings();
    QVERIFY(!p.button(u"m_launch_login"_s).isChecked());
    QVERIFY(p.general.locationDecimalBox().isChecked());
    QCOMPARE(Platform::TextField::doubleValue(p.general.latitudeField()), 0.0);
    QCOMPARE(Platform::TextField::doubleValue(p.general.longitudeField()), 0.0);
    QCOMPARE(p.field(u"m_serverIP"_s).text(), QString());
    QCOMPARE(p.field(u"m_serverPort"_s).text(), u"8079"_s);
    QCOMPARE(p.general.locationSourceName(p.general.currentLocationSource()), u"WiFi (Location Service)"_s);
    QVERIFY(!QFile::exists(p.settings.fileName()));   // loading alone writes nothing
}

void TestPreferencesGeneral::storedSourceSetsTheControls_data()
{
    QTest::addColumn<std::optional<qint64>>("stored");
    QTest::addColumn<Source>("source");
    QTest::addColumn<QStringList>("enabled");

    const QStringList server{u"m_serverIP"_s, u"m_serverPort"_s};
    const QStringList position{u"m_latitude"_s, u"m_longitude"_s};
    QTest::newRow("absent") << std::optional<qint64>() << Source::useCoreLocation << QStringList();
    QTest::newRow("0 SiTech") << std::optional<qint64>(0) << Source::useSiTech << server;
    QTest::newRow("1 manual") << std::optional<qint64>(1) << Source::useManual << position;
    QTest::newRow("2 service") << std::optional<qint64>(2) << Source::useCoreLocation << QStringList();
    QTest::newRow("3 unknown") << std::optional<qint64>(3) << Source::useCoreLocation << QStringList();
    QTest::newRow("-1 unknown") << std::optional<qint64>(-1) << Source::useCoreLocation << QStringList();
}

void TestPreferencesGeneral::storedSourceSetsTheControls()
{
    QFETCH(std::optional<qint64>, stored);
    QFETCH(Source, source);
    QFETCH(QStringList, enabled);

    Pane p;
    if (stored)
        QVERIFY(p.settings.saveInteger(SettingsKeys::locationSource, *stored));
    p.general.loadSettings();
    QCOMPARE(p.general.currentLocationSource(), source);
    QCOMPARE(p.radiosOn(), QStringList{RADIOS.at(int(source))});
    QCOMPARE(p.enabledFields(), enabled);
    QVERIFY(!p.button(u"m_sitech"_s).isEnabled());   // kept from the file, never chosen here
    QVERIFY(p.button(u"m_manual"_s).isEnabled() && p.button(u"m_corelocation"_s).isEnabled());
}

// Each click on a source, or on the decimal option, saves the whole pane, a latitude typed
// but not yet saved included. A source action from elsewhere saves only when sent by a button.
void TestPreferencesGeneral::choosingASourceSavesThePane_data()
{
    QTest::addColumn<qint64>("stored");
    QTest::addColumn<QString>("sender");   // a control of the pane, or "button" or "object" elsewhere
    QTest::addColumn<Source>("source");
    QTest::addColumn<bool>("saves");

    QTest::newRow("manual from service") << qint64(2) << u"m_manual"_s << Source::useManual << true;
    QTest::newRow("service from manual") << qint64(1) << u"m_corelocation"_s << Source::useCoreLocation << true;
    QTest::newRow("manual from SiTech") << qint64(0) << u"m_manual"_s << Source::useManual << true;
    QTest::newRow("manual, already on") << qint64(1) << u"m_manual"_s << Source::useManual << true;
    QTest::newRow("service, already on") << qint64(2) << u"m_corelocation"_s << Source::useCoreLocation << true;
    QTest::newRow("SiTech cannot be clicked") << qint64(1) << u"m_sitech"_s << Source::useManual << false;
    QTest::newRow("decimal option") << qint64(2) << u"m_location_decimal"_s << Source::useCoreLocation << true;
    QTest::newRow("another button") << qint64(1) << u"button"_s << Source::useManual << true;
    QTest::newRow("an object, no button") << qint64(1) << u"object"_s << Source::useManual << false;
}

void TestPreferencesGeneral::choosingASourceSavesThePane()
{
    QFETCH(qint64, stored);
    QFETCH(QString, sender);
    QFETCH(Source, source);
    QFETCH(bool, saves);

    Pane p;
    QVERIFY(p.settings.saveInteger(SettingsKeys::locationSource, stored));
    p.general.loadSettings();
    p.field(u"m_latitude"_s).setText(u"-33.8568"_s);   // typed, not saved yet
    QPushButton button;
    QObject object;
    if (sender == u"button"_s)
        p.general.locationSource(&button);
    else if (sender == u"object"_s)
        p.general.locationSource(&object);
    else
        p.button(sender).click();

    QCOMPARE(p.general.currentLocationSource(), source);
    QCOMPARE(p.radiosOn(), QStringList{RADIOS.at(int(source))});
    QCOMPARE(p.field(u"m_latitude"_s).isEnabled(), source == Source::useManual);
    QCOMPARE(p.stored().loadInteger(SettingsKeys::locationSource, -1), saves ? qint64(source) : stored);
    QCOMPARE(p.stored().loadDouble(SettingsKeys::latitude, 0.0), saves ? -33.8568 : 0.0);
}

void TestPreferencesGeneral::launchAtLoginFollowsTheEntry_data()
{
    QTest::addColumn<bool>("atLaunch");   // stored on, else switched on by a click
    QTest::addColumn<bool>("writable");   // whether the autostart folder can be made
    QTest::newRow("click, entry written") << false << true;
    QTest::newRow("click, folder unwritable") << false << false;
    QTest::newRow("launch, entry written") << true << true;
    QTest::newRow("launch, folder unwritable") << true << false;
}

void TestPreferencesGeneral::launchAtLoginFollowsTheEntry()
{
    QFETCH(bool, atLaunch);
    QFETCH(bool, writable);

    Pane p;
    if (!writable) {   // a file where the folder should be: root cannot write there either
        QFile blocker(QFileInfo(AppUtils::LaunchAtLogin::entryPath()).path());
        QVERIFY(QDir().mkpath(QFileInfo(blocker.fileName()).path()) && blocker.open(QIODevice::WriteOnly));
    }
    if (atLaunch)
        QVERIFY(p.settings.saveBool(SettingsKeys::launchAtLogin, true));
    p.general.loadSettings();
    if (!atLaunch)
        p.button(u"m_launch_login"_s).click();

    QCOMPARE(p.button(u"m_launch_login"_s).isChecked(), writable);
    QCOMPARE(p.stored().loadBool(SettingsKeys::launchAtLogin, !writable), writable);
    QCOMPARE(AppUtils::LaunchAtLogin().agentIsValid(), writable);
}

void TestPreferencesGeneral::launchAtLoginOffRemovesTheEntryOnly()
{
    Pane p;
    QVERIFY(p.settings.saveBool(SettingsKeys::launchAtLogin, true));
    p.general.loadSettings();
    QVERIFY(QFile::exists(AppUtils::LaunchAtLogin::entryPath()));

    p.button(u"m_launch_login"_s).click();
    QVERIFY(!QFile::exists(AppUtils::LaunchAtLogin::entryPath()));
    QCOMPARE(p.stored().loadBool(SettingsKeys::launchAtLogin, false), true);   // until the next save
    QVERIFY(p.general.saveSettings());
    QCOMPARE(p.stored().loadBool(SettingsKeys::launchAtLogin, true), false);
}

void TestPreferencesGeneral::failedSaveIsReported()
{
    Pane p;
    p.general.loadSettings();
    QVERIFY(QDir().mkpath(p.settings.fileName()));   // a folder where the file should be
    QVERIFY(!p.general.saveSettings());
}

void TestPreferencesGeneral::endOfEditSelectsABadEntry_data()
{
    QTest::addColumn<qint64>("source");   // the one whose fields are enabled
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Qt::Key>("endKey");
    QTest::addColumn<bool>("selected");

    QTest::newRow("latitude 45.5") << qint64(1) << u"m_latitude"_s << u"45.5"_s << Qt::Key_Tab << false;
    QTest::newRow("latitude -91") << qint64(1) << u"m_latitude"_s << u"-91"_s << Qt::Key_Tab << true;
    QTest::newRow("latitude abc") << qint64(1) << u"m_latitude"_s << u"abc"_s << Qt::Key_Tab << true;
    QTest::newRow("latitude emptied") << qint64(1) << u"m_latitude"_s << QString() << Qt::Key_Tab << true;
    QTest::newRow("latitude 12,5, Return") << qint64(1) << u"m_latitude"_s << u"12,5"_s << Qt::Key_Return << true;
    QTest::newRow("latitude 12.5, Return") << qint64(1) << u"m_latitude"_s << u"12.5"_s << Qt::Key_Return << false;
    QTest::newRow("longitude -180.5") << qint64(1) << u"m_longitude"_s << u"-180.5"_s << Qt::Key_Tab << true;
    QTest::newRow("longitude 180") << qint64(1) << u"m_longitude"_s << u"180"_s << Qt::Key_Tab << false;
    QTest::newRow("port +8079") << qint64(0) << u"m_serverPort"_s << u"+8079"_s << Qt::Key_Tab << false;
    QTest::newRow("port 65536") << qint64(0) << u"m_serverPort"_s << u"65536"_s << Qt::Key_Tab << true;
    QTest::newRow("address is not checked") << qint64(0) << u"m_serverIP"_s << u"-1 abc"_s << Qt::Key_Tab << false;
}

void TestPreferencesGeneral::endOfEditSelectsABadEntry()
{
    QFETCH(qint64, source);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(Qt::Key, endKey);
    QFETCH(bool, selected);

    Pane p;
    QVERIFY(p.settings.saveInteger(SettingsKeys::locationSource, source));
    p.general.loadSettings();
    QVERIFY(p.showActive());
    QLineEdit &edited = p.field(field);
    retype(edited, text);
    QTest::keyClick(&edited, endKey);
    settle();

    QCOMPARE(edited.hasFocus() && edited.selectedText() == text, selected);
    QCOMPARE(edited.text(), text);   // never corrected nor restored
}

// Where the focus ends after the user leaves a bad latitude in each of these ways, and how
// often it moved on the way: more moves would be two fields pulling it back and forth.
void TestPreferencesGeneral::badEntryDoesNotHoldTheUser_data()
{
    QTest::addColumn<QString>("leaveBy");
    QTest::addColumn<QString>("focused");   // object name of the focus widget afterwards
    QTest::addColumn<int>("moves");
    QTest::addColumn<bool>("reselected");   // the latitude's text selected for typing over

    QTest::newRow("Tab to a good field: back") << u"tab to good"_s << u"m_latitude"_s << 2 << true;
    QTest::newRow("Tab into another bad field") << u"tab to bad"_s << u"m_longitude"_s << 1 << false;
    QTest::newRow("choosing another source") << u"source"_s << u"m_corelocation"_s << 1 << false;
    QTest::newRow("closing the window") << u"close"_s << QString() << 1 << false;
    QTest::newRow("going to another window") << u"other window"_s << u"other"_s << 1 << false;
}

void TestPreferencesGeneral::badEntryDoesNotHoldTheUser()
{
    QFETCH(QString, leaveBy);
    QFETCH(QString, focused);
    QFETCH(int, moves);
    QFETCH(bool, reselected);

    Pane p;
    QVERIFY(p.settings.saveInteger(SettingsKeys::locationSource, 1));
    p.general.loadSettings();
    QVERIFY(p.showActive());
    QLineEdit &latitude = p.field(u"m_latitude"_s);
    if (leaveBy == u"tab to bad"_s)
        p.field(u"m_longitude"_s).setText(u"far east"_s);
    retype(latitude, u"north"_s);

    QLineEdit other;
    other.setObjectName(u"other"_s);
    int moved = 0;
    connect(qApp, &QApplication::focusChanged, this, [&moved] { ++moved; });
    if (leaveBy.startsWith(u"tab"_s)) {
        QTest::keyClick(&latitude, Qt::Key_Tab);
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
        settle();
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);

    QCOMPARE(moved, moves);
    const QWidget *focus = QApplication::focusWidget();
    QCOMPARE(focus ? focus->objectName() : QString(), focused);
    QCOMPARE(latitude.selectedText() == latitude.text(), reselected);
    QCOMPARE(latitude.text(), u"north"_s);
}

QTEST_MAIN(TestPreferencesGeneral)
#include "tst_preferencesgeneral.moc"
