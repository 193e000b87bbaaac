#include "Night.h"

// Placeholder until the almanac lands: no night is known.
struct Night::BodySample
{
};

Night::Night() = default;
Night::Night(const Night &) = default;
Night &Night::operator=(const Night &) = default;
Night::~Night() = default;

double Night::darkHours() const
{
    return 0;
}

bool almanacCovers(QDate date)
{
    return date.year() >= 1900 && date.year() <= 2100;
}

std::optional<Night> nightOf(QDate, const QTimeZone &, double, double, double)
{
    return std::nullopt;
}

QDate nightDateOf(QDate localDate, int localHour)
{
    return localHour >= 12 ? localDate : localDate.addDays(-1);
}

SkyNow skyAt(const Night &, std::chrono::system_clock::time_point)
{
    return {};
}
