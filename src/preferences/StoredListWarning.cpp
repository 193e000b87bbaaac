#include "StoredListWarning.h"

#include <AppUtils/Warning.h>

void warnOfUnreadLines(QLatin1StringView key, const StoredListRead &read, qsizetype maxLength, const QString &entries,
    const QString &entry, const QString &window)
{
    if (read.unread)
        AppUtils::warn(QStringLiteral("the stored %1 (%2) have lines that hold no %3 (%4 of %5): the %6 window shows "
                                      "them, and keeps them as they are")
                           .arg(entries, QString(key), entry)
                           .arg(read.unread)
                           .arg(read.lines)
                           .arg(window));
    if (read.leftOut)
        AppUtils::warn(QStringLiteral("the stored %1 (%2) are longer than %3 characters: the last %4 are not read, "
                                      "and are dropped when the list is next changed")
                           .arg(entries, QString(key))
                           .arg(maxLength)
                           .arg(read.leftOut));
}
