#pragma once

#include <QString>

#include <optional>

namespace AppUtils {

class Path
{
public:
    // Absolute path of the resource file "<name>.<type>" (type without its dot), from the first
    // of these folders that holds it:
    //   1. <folder of the executable>/../share/<program>   (installed or relocated tree)
    //   2. the application's data folders                 (QStandardPaths::AppDataLocation)
    //   3. <program>/ in the data folders                  ($XDG_DATA_HOME, then $XDG_DATA_DIRS)
    //   4. the folder the build names in APP_SOURCE_RESOURCES (the source tree's, for runs from
    //      the build tree)
    // where <program> is the application's name in lower case.
    // nullopt when none does, or when name or type is empty or holds '/' or "..", which could
    // reach files outside those folders or of another name.
    static std::optional<QString> resourcePath(const QString &name, const QString &type);
};

} // namespace AppUtils
