#pragma once

#include <AppUtils/DefaultSettings.h>

#include <QDir>
#include <QSaveFile>
#include <QScopeGuard>

#include <bit>

// Settings files for tests of the settings store and of the real binary.
namespace SettingsFixture {

using namespace Qt::StringLiterals;

// Every key, none at its default so a loss shows, spelled as files do; the digital window open.
inline const QVariantMap everyKey{{u"PREFS_LaunchAtLogin"_s, true}, {u"PREFS_location_decimal"_s, false},
    {u"PREFS_latitude"_s, -33.8568}, {u"PREFS_longitude"_s, 151.2153}, {u"PREFS_serverIP"_s, u"ntp.example.org"_s},
    {u"PREFS_serverPort"_s, qint64(65535)}, {u"Prefs_LocationSource"_s, qint64(1)}, {u"APP_Horavane"_s, true},
    {u"APP_AnalogClock"_s, false}, {u"PREFS_lst_24hours"_s, true}};

// everyKey as a hand would write it, with a comment.
inline QByteArray written(bool donationHidden = true)
{
    QByteArray ini = "; as the test wrote it\n[General]\n";
    for (auto it = everyKey.cbegin(); it != everyKey.cend(); ++it)
        ini += it.key().toLatin1() + '=' + it.value().toString().toLatin1() + '\n';
    return ini + "\n[Donation]\nhideAtLaunch=" + (donationHidden ? "true\n" : "false\n");
}

inline bool writeFile(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly)
        && file.write(content) == content.size() && file.commit();
}

// Doubles as their bits, so that -0.0 is not taken for 0.0.
inline QVariant exact(const QVariant &v) { return v.typeId() == QMetaType::Double ? QVariant(std::bit_cast<quint64>(v.toDouble())) : v; }

// What the load of type makes of key, exact(); null when it gives the fallback.
inline QVariant stored(const AppUtils::DefaultSettings &s, const QString &key, int type)
{
    const auto either = [](const auto &a, const auto &b) { return a == b ? exact(QVariant::fromValue(a)) : QVariant(); };
    switch (type) {
    case QMetaType::Bool: return either(s.loadBool(key, false), s.loadBool(key, true));
    case QMetaType::LongLong: return either(s.loadInteger(key, 0), s.loadInteger(key, 1));
    case QMetaType::Double: return either(s.loadDouble(key, 0.5), s.loadDouble(key, 1.5));
    default: return either(s.loadString(key, u"a"_s), s.loadString(key, u"b"_s));
    }
}

// The keys of everyKey lost or changed at path (a link followed), but those in mayChange; read
// from a copy, which no settings cache has seen.
inline QStringList damage(const QString &path, const QStringList &mayChange = {})
{
    const QString copy = path + u".check"_s;
    QFile::remove(copy);
    if (!QFile::copy(path, copy))
        return {u"the whole file"_s};
    const auto removeCopy = qScopeGuard([&] { QFile::remove(copy); });
    const AppUtils::DefaultSettings settings(copy);
    QStringList wrong;
    for (auto it = everyKey.cbegin(); it != everyKey.cend(); ++it)
        if (stored(settings, it.key(), it.value().typeId()) != exact(it.value()) && !mayChange.contains(it.key()))
            wrong.append(it.key());
    return wrong;
}

} // namespace SettingsFixture
