#pragma once

#include "TestPane.h"
#include "engine/Location.h"
#include "engine/WindowRegistry.h"

#include <QCoreApplication>

// A pane of the test's own and a location provider reading it, with no position service: where
// clock windows under test find their observer.
class TestObserver : public TestPane
{
public:
    TestObserver() : m_location(std::make_unique<PositionSource>(nullptr), pane()) {}

    std::function<Location &()> locate() { return [this]() -> Location & { return m_location; }; }

private:
    Location m_location;
};

// Releases the clock windows a test opened (the registry is their last owner) and the zone it set.
inline void releaseClockWindows()
{
    windowRegistry() = {};
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qunsetenv("TZ");
}
