#pragma once

#include <QLatin1StringView>

// Every key Horavane keeps in its settings file. Stored files depend on these exact spellings,
// mixed case included.
namespace SettingsKeys {
inline constexpr QLatin1StringView launchAtLogin{"PREFS_LaunchAtLogin"};
inline constexpr QLatin1StringView locationDecimal{"PREFS_location_decimal"};
inline constexpr QLatin1StringView latitude{"PREFS_latitude"};
inline constexpr QLatin1StringView longitude{"PREFS_longitude"};
inline constexpr QLatin1StringView serverIP{"PREFS_serverIP"};
inline constexpr QLatin1StringView serverPort{"PREFS_serverPort"};
inline constexpr QLatin1StringView locationSource{"Prefs_LocationSource"};
// Whether the analog window's LST dial is a 24-hour dial.
inline constexpr QLatin1StringView lst24Hours{"PREFS_lst_24hours"};

// Which clock windows were open when Horavane last ended.
inline constexpr QLatin1StringView horavaneWindowOpen{"APP_Horavane"};
inline constexpr QLatin1StringView analogWindowOpen{"APP_AnalogClock"};
inline constexpr QLatin1StringView targetsWindowOpen{"APP_Targets"};
inline constexpr QLatin1StringView tonightWindowOpen{"APP_Tonight"};
inline constexpr QLatin1StringView sitesWindowOpen{"APP_Sites"};
inline constexpr QLatin1StringView alarmsWindowOpen{"APP_Alarms"};
// The Targets window's list, one target a line (see sky/TargetList.h).
inline constexpr QLatin1StringView targets{"PREFS_targets"};
// The Sites window's remote observatories, one a line (see sky/Site.h).
inline constexpr QLatin1StringView sites{"PREFS_sites"};
// The Alarms window's alarms, one a line (see engine/Alarm.h).
inline constexpr QLatin1StringView alarms{"PREFS_alarms"};
// How high, in degrees, a target must stand to count in its dark hours.
inline constexpr QLatin1StringView targetMinAltitude{"PREFS_target_min_altitude"};
// Whether the digital window shows its details section.
inline constexpr QLatin1StringView showDetails{"APP_ShowDetails"};
// Whether night vision is on, and how bright it draws (0 dim, 1 medium, 2 bright).
inline constexpr QLatin1StringView nightVision{"APP_NightVision"};
inline constexpr QLatin1StringView nightVisionBrightness{"APP_NightVisionBrightness"};
// A UT1 − UTC typed on the General pane, in seconds ("" for none), and the day it was typed.
inline constexpr QLatin1StringView typedDut1{"PREFS_DUT1"};
inline constexpr QLatin1StringView typedDut1Date{"PREFS_DUT1_date"};
// Whether Earth-orientation data is kept current by downloads, and from where: one https
// address a line, tried in order.
inline constexpr QLatin1StringView eopDownload{"PREFS_eop_download"};
inline constexpr QLatin1StringView eopSources{"PREFS_eop_sources"};
// Where gpsd listens, for the GPS receiver source.
inline constexpr QLatin1StringView gpsdHost{"PREFS_gpsd_host"};
inline constexpr QLatin1StringView gpsdPort{"PREFS_gpsd_port"};
} // namespace SettingsKeys

// Values used when a key is absent or unreadable.
namespace SettingsDefaults {
inline constexpr bool launchAtLogin = false;
inline constexpr bool locationDecimal = true;
inline constexpr double latitude = 0.0;
inline constexpr double longitude = 0.0;
inline constexpr QLatin1StringView serverIP{""};
inline constexpr qint64 serverPort = 8079;
inline constexpr qint64 locationSource = 2; // the desktop's location service
inline constexpr bool lst24Hours = false;
inline constexpr bool eopDownload = false; // no network contact a person did not ask for
// The IERS Rapid Service's daily finals file, then the IERS data centre's copy of the whole series.
inline constexpr QLatin1StringView eopSources{
    "https://maia.usno.navy.mil/ser7/finals2000A.daily\nhttps://datacenter.iers.org/data/9/finals2000A.all"};
inline constexpr QLatin1StringView gpsdHost{"localhost"};
inline constexpr qint64 gpsdPort = 2947;
inline constexpr double targetMinAltitude = 30.0;
} // namespace SettingsDefaults
