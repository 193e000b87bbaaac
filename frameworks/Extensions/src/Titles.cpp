#include <Extensions/Titles.h>

#include <QCoreApplication>
#include <QGuiApplication>

namespace Extensions {

QString prefsTitle()
{
    return QCoreApplication::translate("Extensions", "%1 Preferences").arg(QGuiApplication::applicationDisplayName());
}

} // namespace Extensions
