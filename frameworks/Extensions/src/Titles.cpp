#include <Extensions/Titles.h>

#include <QCoreApplication>

namespace Extensions {

QString prefsTitle()
{
    return QCoreApplication::translate("Extensions", "Horavane Preferences");
}

} // namespace Extensions
