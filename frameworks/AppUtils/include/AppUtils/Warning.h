#pragma once

#include <QCoreApplication>
#include <QString>

namespace AppUtils {

// Says line on stderr (through qWarning) after the program's name, "<program>: line", as
// command-line tools do, so that a line in a session's log tells whose it is. The program's
// name is the application's name in lower case.
inline void warn(const QString &line)
{
    qWarning("%s: %s", qUtf8Printable(QCoreApplication::applicationName().toLower()), qUtf8Printable(line));
}

} // namespace AppUtils
