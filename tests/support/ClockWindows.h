#pragma once

#include "engine/ClockUpdate.h"
#include "engine/WindowRegistry.h"

#include <QCoreApplication>

// Releases the clock windows a test opened (the registry is their last owner) and the zone it set.
inline void releaseClockWindows()
{
    windowRegistry() = {};
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qunsetenv("TZ");
}
