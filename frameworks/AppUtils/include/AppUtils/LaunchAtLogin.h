#pragma once

#include <QCoreApplication>
#include <QString>

namespace AppUtils {

// Starting the application when the user logs in, through an XDG autostart entry:
// $XDG_CONFIG_HOME/autostart/<name>.desktop (~/.config by default), looked up at each call,
// where <name> is QCoreApplication::applicationName() in lower case. The entry is named by
// QGuiApplication::applicationDisplayName() and shows the icon QGuiApplication::desktopFileName().
//
// Only an entry of ours is ever rewritten or removed: one marked X-<applicationName>-Autostart=true,
// or one that is byte for byte what versions before that mark wrote (the icon <name>), so that
// those installs can still be switched off. Anything else there (an entry the user wrote, a
// symbolic link, a folder) is left as it is, and never looked through.
class LaunchAtLogin
{
    Q_DECLARE_TR_FUNCTIONS(LaunchAtLogin)

public:
    // What a change to the entry came to.
    struct Result
    {
        QString failure; // empty on success, else one translated line saying why
        bool succeeded() const { return failure.isEmpty(); }
    };

    // executable: absolute path of the program the entry starts; by default the running one.
    explicit LaunchAtLogin(QString executable = QCoreApplication::applicationFilePath());

    // Writes our entry whole (a new file in the folder renamed over the old one), creating the
    // folder, then checks it as agentIsValid() does. Fails without changing anything when the
    // place holds something not ours or the folder cannot be written (no partly written file
    // remains), and fails when the entry written does not validate (it is left for
    // unlinkAgent()).
    Result writePlist();
    // True when the entry is a regular file (not a link), reads as a desktop entry, is neither
    // hidden (Hidden=true) nor switched off (X-GNOME-Autostart-enabled=false), and its Exec
    // starts an existing executable file. Any entry does, not only ours.
    bool agentIsValid() const;
    // Removes the entry when it is ours. Succeeds when no entry of ours remains: also when
    // there was none, or only one that is not ours.
    Result unlinkAgent();

    // Where the entry lives, for the current environment.
    static QString entryPath();
    // The entry's Comment, the line the session's settings show under its name; none until set.
    static void setComment(const QString &comment);

private:
    QString m_executable;
};

} // namespace AppUtils
