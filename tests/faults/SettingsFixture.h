#pragma once

#include <AppUtils/DefaultSettings.h>

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QScopeGuard>
#include <QStringList>

// The settings the fault tests write before a run of the real binary, none at its default so
// that a key lost shows. No clock window was open: Horavane opens the digital one and saves
// APP_Horavane=true when it ends.
namespace SettingsFixture {

using namespace Qt::StringLiterals;

inline QByteArray written(bool donationHidden = true)
{
    return QByteArray("; as the test wrote it: a save by Horavane drops this line\n[General]\n"
                      "APP_AnalogClock=false\nAPP_Horavane=false\nPREFS_LaunchAtLogin=true\n"
                      "PREFS_latitude=-33.8568\nPREFS_location_decimal=false\nPREFS_longitude=151.2153\n"
                      "PREFS_serverIP=ntp.example.org\nPREFS_serverPort=4030\nPrefs_LocationSource=1\n"
                      "\n[Donation]\nhideAtLaunch=")
        + (donationHidden ? "true\n" : "false\n");
}

inline bool writeFile(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly)
        && file.write(content) == content.size() && file.commit();
}

// The keys lost or changed in the settings file at path, but for those in mayChange.
// APP_Horavane may hold either value. Read from a copy, which no settings cache has seen.
inline QStringList damage(const QString &path, const QStringList &mayChange = {})
{
    const QString copy = path + u".check"_s;
    QFile::remove(copy);
    if (!QFile::copy(path, copy))
        return {u"the whole file"_s};
    const auto removeCopy = qScopeGuard([&] { QFile::remove(copy); });
    const AppUtils::DefaultSettings s(copy);
    const std::pair<const char *, bool> keys[] = {
        {"PREFS_LaunchAtLogin", s.loadBool("PREFS_LaunchAtLogin"_L1, false)},
        {"PREFS_location_decimal", !s.loadBool("PREFS_location_decimal"_L1, true)},
        {"PREFS_latitude", s.loadDouble("PREFS_latitude"_L1, 0) == -33.8568},
        {"PREFS_longitude", s.loadDouble("PREFS_longitude"_L1, 0) == 151.2153},
        {"PREFS_serverIP", s.loadString("PREFS_serverIP"_L1, {}) == "ntp.example.org"_L1},
        {"PREFS_serverPort", s.loadInteger("PREFS_serverPort"_L1, 0) == 4030},
        {"Prefs_LocationSource", s.loadInteger("Prefs_LocationSource"_L1, 2) == 1},
        {"APP_Horavane", s.loadBool("APP_Horavane"_L1, false) == s.loadBool("APP_Horavane"_L1, true)},
        {"APP_AnalogClock", !s.loadBool("APP_AnalogClock"_L1, true)},
    };
    QStringList wrong;
    for (const auto &[key, intact] : keys) {
        if (!intact && !mayChange.contains(QLatin1StringView(key)))
            wrong.append(QLatin1StringView(key));
    }
    return wrong;
}

} // namespace SettingsFixture
