#pragma once

#include "Alarm.h"
#include "ClockReading.h"

#include <QtGlobal>

#include <memory>
#include <optional>
#include <vector>

// Whether the clock has a trouble at a reading: the one rule for the alarms, the panel's health
// class and anyone else who asks.
bool hasTrouble(const ClockReading &reading, ClockTrouble trouble);

// Rings a list of alarms from the readings of the ticks, second after second: each alarm at the
// tick whose second reaches the instant it names, late at the first tick after the machine slept
// or the clock stepped past it (several missed occurrences ring once, the latest), and never
// twice for one occurrence, even when the clock steps back. Nothing due before the first tick
// after an alarm is handed over rings. A tick costs a comparison or two an alarm, and allocates
// nothing unless something rings.
class AlarmWatch
{
public:
    // The alarms rung from the next tick on, in this order. An alarm equal to one already
    // watched keeps what it remembers (when it rang last, where it stood at the last tick), so
    // that handing the same list again rings nothing again.
    void setAlarms(std::vector<Alarm> alarms);
    const std::vector<Alarm> &alarms() const { return m_alarms; }

    // Whether a reading must carry tonight (an alarm at one of its events) or the targets'
    // places (an alarm at a target's hour angle) for the alarms to ring.
    bool needsNight() const { return m_needsNight; }
    bool needsTargets() const { return m_needsTargets; }

    // The alarms that ring at the tick of reading, in the list's order.
    std::vector<AlarmFiring> ring(const ClockReading &reading);

private:
    // What an alarm remembers between ticks.
    struct State
    {
        std::optional<qint64> lastRang; // the due second of its last ringing
        // An alarm at a sidereal time or an hour angle: where that clock stood at the last tick,
        // sidereal seconds in [0, 86400); none before the first tick that had one.
        std::optional<double> previousPhase;
        // An alarm at an instant: its next due second after the last tick, and what that was
        // worked out from; none worked out yet when !known.
        bool known = false;
        std::optional<qint64> next;
        int utcOffsetSeconds = 0;
        std::shared_ptr<const Night> night;
        bool troubled = false; // a health alarm: its trouble was there at the last tick
    };

    struct Tick; // the reading's second and how it follows the last tick's

    std::optional<AlarmFiring> ringPhase(
        const Alarm &alarm, State &state, std::optional<double> phase, double named, const Tick &tick);
    std::optional<AlarmFiring> ringInstant(
        const Alarm &alarm, State &state, const ClockReading &reading, const Tick &tick);

    std::vector<Alarm> m_alarms;
    std::vector<State> m_states; // one an alarm, in its order
    std::optional<qint64> m_previousSecond; // of the last tick
    bool m_needsNight = false;
    bool m_needsTargets = false;
};
