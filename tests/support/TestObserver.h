#pragma once

#include "TestPane.h"
#include "engine/Location.h"
#include "engine/WindowRegistry.h"

#include <QCoreApplication>

// A pane of the test's own and a location provider reading it, with no position service: where
// clock windows under test find their observer.
struct TestObserver : TestPane
{
    std::function<Location &()> locate() { return [this]() -> Location & { return m_location; }; }
    Location m_location{std::make_unique<PositionSource>(nullptr), pane()};
};

// Releases the clock windows a test opened (the registry is their last owner) and the zone it set.
inline void releaseClockWindows()
{
    windowRegistry() = {};
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qunsetenv("TZ");
}
