#pragma once

#include <QCoreApplication>
#include <QString>

namespace AppUtils {

// Starting the application when the user logs in, through an XDG autostart entry:
// $XDG_CONFIG_HOME/autostart/horavane.desktop (~/.config by default), looked up at each call.
class LaunchAtLogin
{
public:
    // executable: absolute path of the program the entry starts; by default the running one.
    explicit LaunchAtLogin(QString executable = QCoreApplication::applicationFilePath());

    // Writes the entry whole (a new file renamed over any old one), creating the folder.
    // False when it cannot be written; an old entry is then left as it was, and no partly
    // written file remains.
    bool writePlist();
    // True when the entry exists, reads as a desktop entry, is neither hidden (Hidden=true)
    // nor switched off (X-GNOME-Autostart-enabled=false), and its Exec starts an existing
    // executable file. Any entry does, not only ours.
    bool agentIsValid() const;
    // Removes the entry; nothing happens when there is none.
    void unlinkAgent();

    // Where the entry lives, for the current environment.
    static QString entryPath();

private:
    QByteArray entry() const;

    QString m_executable;
};

} // namespace AppUtils
