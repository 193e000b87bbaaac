#pragma once

#include <QLatin1StringView>
#include <QString>

// How a list kept as one setting, a line an entry, was read: lines counts those read,
// unread those among them that hold no entry, leftOut the characters after the last line read.
struct StoredListRead
{
    qsizetype lines = 0;
    qsizetype unread = 0;
    qsizetype leftOut = 0;
};

// Says on stderr, in one line each, that the list stored under key has lines that hold no
// entry and that it was longer than the maxLength characters read; nothing when neither.
// entries and entry name what the list holds ("sites", "site"), window the window that shows it.
void warnOfUnreadLines(QLatin1StringView key, const StoredListRead &read, qsizetype maxLength, const QString &entries,
    const QString &entry, const QString &window);
