#include "ObserverSettings.h"

#include <QCoreApplication>

QString locationSourceName(LocationSource source)
{
    switch (source) {
    case LocationSource::useSiTech:
        return QCoreApplication::translate("PreferencesGeneral", "SiTech NTP Server");
    case LocationSource::useManual:
        return QCoreApplication::translate("PreferencesGeneral", "Manual");
    case LocationSource::useCoreLocation:
        return QCoreApplication::translate("PreferencesGeneral", "WiFi (Location Service)");
    case LocationSource::useGpsd:
        return QCoreApplication::translate("PreferencesGeneral", "GPS receiver (gpsd)");
    }
    return {};
}
