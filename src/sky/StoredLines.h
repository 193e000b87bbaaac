#pragma once

#include <QStringView>

#include <span>
#include <variant>
#include <vector>

// What the stored lists (targets, sites, alarms) share: each is text of one entry a line, read
// into lines that each hold an entry or, kept as they were, why they hold none.

// The entries among lines, in their order.
template <typename Entry, typename Unread>
std::vector<Entry> entriesAmong(std::span<const std::variant<Entry, Unread>> lines)
{
    std::vector<Entry> entries;
    for (const auto &line : lines) {
        if (const auto *entry = std::get_if<Entry>(&line))
            entries.push_back(*entry);
    }
    return entries;
}

// text up to its last whole line within maxLength characters, and in leftOut the number of
// characters after it: a line cut short would read as another entry.
inline QStringView wholeLinesWithin(QStringView text, qsizetype maxLength, qsizetype &leftOut)
{
    leftOut = 0;
    if (text.size() <= maxLength)
        return text;
    const qsizetype end = text.first(maxLength).lastIndexOf(u'\n') + 1;
    leftOut = text.size() - end;
    return text.first(end);
}
