#include "StoredSettings.h"

#include "FieldValidation.h"
#include "SettingsKeys.h"

#include <AppUtils/DefaultSettings.h>

namespace {

// A stored coordinate the field would not accept (latitude 95, longitude 540) is as unreadable
// as "abc": shown and used, it would put the observer nowhere on Earth.
double loadCoordinate(
    const AppUtils::DefaultSettings &store, QLatin1StringView key, double fallback, double lowest, double highest)
{
    const double value = store.loadDouble(key, fallback);
    return value >= lowest && value <= highest ? value : fallback;
}

} // namespace

std::optional<LocationSource> locationSourceFromRaw(qint64 raw)
{
    switch (raw) {
    case 0:
        return LocationSource::useSiTech;
    case 1:
        return LocationSource::useManual;
    case 2:
        return LocationSource::useCoreLocation;
    default:
        return std::nullopt;
    }
}

ObserverSettings loadObserverSettings(const AppUtils::DefaultSettings &store)
{
    ObserverSettings settings;
    if (const std::optional<LocationSource> source
        = locationSourceFromRaw(store.loadInteger(SettingsKeys::locationSource, SettingsDefaults::locationSource)))
        settings.source = *source;
    settings.latitude = loadCoordinate(
        store, SettingsKeys::latitude, SettingsDefaults::latitude, FieldLimits::latitudeMin, FieldLimits::latitudeMax);
    settings.longitude = loadCoordinate(store, SettingsKeys::longitude, SettingsDefaults::longitude,
        FieldLimits::longitudeMin, FieldLimits::longitudeMax);
    settings.decimal = store.loadBool(SettingsKeys::locationDecimal, SettingsDefaults::locationDecimal);
    settings.lst24Hours = store.loadBool(SettingsKeys::lst24Hours, SettingsDefaults::lst24Hours);
    return settings;
}

std::optional<TypedDut1> loadTypedDut1(const AppUtils::DefaultSettings &store)
{
    const QString text = store.loadString(SettingsKeys::typedDut1, {});
    const QDate day = QDate::fromString(store.loadString(SettingsKeys::typedDut1Date, {}), Qt::ISODate);
    const std::optional<double> seconds = doubleEntry(text, -dut1Limit, dut1Limit);
    if (!day.isValid() || !seconds)
        return std::nullopt;
    return TypedDut1{*seconds, day};
}
