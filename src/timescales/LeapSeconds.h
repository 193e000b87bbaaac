#pragma once

#include <QByteArrayView>
#include <QDateTime>
#include <QString>

#include <optional>
#include <variant>
#include <vector>

// One line of the list: from this instant on, TAI − UTC is taiMinusUtc seconds.
struct LeapSecondEntry
{
    qint64 ntpSeconds = 0; // seconds since 1900-01-01T00:00:00Z, leap seconds not counted
    int taiMinusUtc = 0;
};

// The IETF/IERS leap-second list that tzdata installs as /usr/share/zoneinfo/leap-seconds.list.
class LeapSecondList
{
public:
    static constexpr qsizetype maximumSize = 256 * 1024;

    // The list in text, or one line saying why it cannot be used: no "#h" hash or one that
    // does not match, no "#$" update or "#@" expiry, entries out of order, steps other than
    // ±1 s after 10 s on 1972-01-01, entries not at 0h on the 1st of a month, garbage, too large.
    // Any bytes are safe; the expiry is not compared with the present.
    static std::variant<LeapSecondList, QString> parse(QByteArrayView text);

    QDateTime updated() const { return m_updated; } // "#$", UTC
    QDateTime expires() const { return m_expires; } // "#@", UTC
    const std::vector<LeapSecondEntry> &entries() const { return m_entries; }

private:
    QDateTime m_updated;
    QDateTime m_expires;
    std::vector<LeapSecondEntry> m_entries;
};

// Gives ERFA the leap seconds of list that come after the last one of its built-in table,
// keeping the built-in rows (those before 1972 with their drift terms). Returns how many
// were added. Replaces what an earlier call added. Adds nothing to a list that disagrees with
// the built-in table at its last row. ERFA's table is one for the process: not while another
// thread calls ERFA.
int installLeapSeconds(const LeapSecondList &list);
// Back to ERFA's built-in table alone.
void restoreBuiltInLeapSeconds();

// TAI − UTC at a UTC instant from ERFA's table (fractional before 1972); nullopt before 1960
// or where ERFA cannot place the date. ERFA's "dubious year" is only a warning here.
std::optional<double> taiMinusUtc(qint64 unixSeconds);
