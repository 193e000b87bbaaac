#pragma once

#include <AppUtils/DefaultSettings.h>

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QScopeGuard>
#include <QStringList>

// The nine settings as the fault tests write them before a run of the real binary. None is
// its default, so that a key lost and read as its default shows. No clock window was open,
// so Horavane opens the digital one and saves APP_Horavane=true when it ends.
namespace SettingsFixture {

using namespace Qt::StringLiterals;

inline QByteArray written(bool donationHidden = true)
{
    return QByteArray("; as the test wrote it: a save by Horavane drops this line\n"
                      "[General]\n"
                      "APP_AnalogClock=false\n"
                      "APP_Horavane=false\n"
                      "PREFS_LaunchAtLogin=true\n"
                      "PREFS_latitude=-33.8568\n"
                      "PREFS_location_decimal=false\n"
                      "PREFS_longitude=151.2153\n"
                      "PREFS_serverIP=ntp.example.org\n"
                      "PREFS_serverPort=4030\n"
                      "Prefs_LocationSource=1\n"
                      "\n[Donation]\nhideAtLaunch=")
        + (donationHidden ? "true\n" : "false\n");
}

inline bool writeFile(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly)
        && file.write(content) == content.size() && file.commit();
}

// The keys that are lost or changed in the settings file at path, leaving out those in
// mayChange; empty when all are as written. APP_Horavane may hold either value, as long as it
// holds one. Read from a copy, as the next launch would read it: no settings cache of this
// process has seen the copy.
inline QStringList damage(const QString &path, const QStringList &mayChange = {})
{
    const QString copy = path + u".check"_s;
    QFile::remove(copy);
    if (!QFile::copy(path, copy))
        return {u"the whole file"_s};
    const auto removeCopy = qScopeGuard([&] { QFile::remove(copy); });
    const AppUtils::DefaultSettings settings(copy);
    const std::pair<QString, bool> keys[] = {
        {u"PREFS_LaunchAtLogin"_s, settings.loadBool("PREFS_LaunchAtLogin"_L1, false)},
        {u"PREFS_location_decimal"_s, !settings.loadBool("PREFS_location_decimal"_L1, true)},
        {u"PREFS_latitude"_s, settings.loadDouble("PREFS_latitude"_L1, 0) == -33.8568},
        {u"PREFS_longitude"_s, settings.loadDouble("PREFS_longitude"_L1, 0) == 151.2153},
        {u"PREFS_serverIP"_s, settings.loadString("PREFS_serverIP"_L1, {}) == "ntp.example.org"_L1},
        {u"PREFS_serverPort"_s, settings.loadInteger("PREFS_serverPort"_L1, 0) == 4030},
        {u"Prefs_LocationSource"_s, settings.loadInteger("Prefs_LocationSource"_L1, 2) == 1},
        {u"APP_Horavane"_s,
         settings.loadBool("APP_Horavane"_L1, false) == settings.loadBool("APP_Horavane"_L1, true)},
        {u"APP_AnalogClock"_s, !settings.loadBool("APP_AnalogClock"_L1, true)},
    };
    QStringList wrong;
    for (const auto &[key, intact] : keys) {
        if (!intact && !mayChange.contains(key))
            wrong.append(key);
    }
    return wrong;
}

} // namespace SettingsFixture
