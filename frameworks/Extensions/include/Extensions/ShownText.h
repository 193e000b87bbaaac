#pragma once

#include <QString>
#include <QStringView>

namespace Extensions {

// Stored text as it can be shown: a control or format character, which would otherwise be
// invisible or reorder what follows it, shows as U+FFFD.
inline QString shownAsIs(QStringView text)
{
    QString shown = text.toString();
    for (QChar &c : shown) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            c = QChar::ReplacementCharacter;
    }
    return shown;
}

} // namespace Extensions
