#include "AppUtils/Path.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace AppUtils {

namespace {

bool isSafePart(const QString &part)
{
    return !part.isEmpty() && !part.contains(u'/') && !part.contains(u"..");
}

QStringList searchFolders()
{
    QStringList folders;
    // The program's folder in share/, as packages install it; none without a name.
    const QString program = QCoreApplication::applicationName().toLower();
    const bool named = isSafePart(program);
    if (named && QCoreApplication::instance()) // which knows where the executable is
        folders += QCoreApplication::applicationDirPath() + u"/../share/"_s + program;
    folders += QStandardPaths::standardLocations(QStandardPaths::AppDataLocation);
    const QStringList data
        = named ? QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation) : QStringList();
    for (const QString &folder : data)
        folders += folder + u'/' + program;
#ifdef APP_SOURCE_RESOURCES // a build run in place, before it is installed
    folders += QStringLiteral(APP_SOURCE_RESOURCES);
#endif
    return folders;
}

} // namespace

std::optional<QString> Path::resourcePath(const QString &name, const QString &type)
{
    if (!isSafePart(name) || !isSafePart(type))
        return std::nullopt;
    const QString file = name + u'.' + type;
    for (const QString &folder : searchFolders()) {
        const QFileInfo info(folder + u'/' + file);
        if (info.isFile())
            return QDir::cleanPath(info.absoluteFilePath());
    }
    return std::nullopt;
}

} // namespace AppUtils
