#include "StoredSettings.h"

#include "FieldValidation.h"
#include "SettingsKeys.h"

#include <AppUtils/DefaultSettings.h>

using namespace Qt::StringLiterals;

namespace {

// A stored coordinate: none when absent or empty (the default then holds), a number within
// [lowest, highest] or, for anything else (95, 540, "abc"), a line on stderr and unusable: put to
// use, it would place the observer nowhere on Earth, and the default 0 at a place they are not.
struct StoredCoordinate
{
    double value;
    bool usable;
};

StoredCoordinate loadCoordinate(const AppUtils::DefaultSettings &store, QLatin1StringView key, double fallback,
    double lowest, double highest, const QString &what)
{
    const QString text = store.loadString(key, {}).trimmed();
    if (text.isEmpty())
        return {fallback, true};
    bool ok = false;
    const double value = text.toDouble(&ok); // C locale, as the store reads numbers
    if (ok && value >= lowest && value <= highest)
        return {value, true};
    store.warnUnreadable(key, text, what, u"no position until one is typed in Preferences"_s);
    return {fallback, false};
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
    case 3:
        return LocationSource::useGpsd;
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
    const StoredCoordinate latitude = loadCoordinate(store, SettingsKeys::latitude, SettingsDefaults::latitude,
        FieldLimits::latitudeMin, FieldLimits::latitudeMax, u"a latitude from -90 to 90"_s);
    const StoredCoordinate longitude = loadCoordinate(store, SettingsKeys::longitude, SettingsDefaults::longitude,
        FieldLimits::longitudeMin, FieldLimits::longitudeMax, u"a longitude from -180 to 180"_s);
    settings.latitude = latitude.value;
    settings.longitude = longitude.value;
    settings.storedPositionUnusable = !latitude.usable || !longitude.usable;
    settings.decimal = store.loadBool(SettingsKeys::locationDecimal, SettingsDefaults::locationDecimal);
    settings.lst24Hours = store.loadBool(SettingsKeys::lst24Hours, SettingsDefaults::lst24Hours);
    if (const QString host = store.loadString(SettingsKeys::gpsdHost, SettingsDefaults::gpsdHost);
        isValidHostEntry(host))
        settings.gpsdHost = host;
    if (const qint64 port = store.loadInteger(SettingsKeys::gpsdPort, SettingsDefaults::gpsdPort);
        port >= FieldLimits::connectablePortMin && port <= FieldLimits::portMax)
        settings.gpsdPort = quint16(port);
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
