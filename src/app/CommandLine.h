#pragma once

#include <QStringList>

// Horavane's own options: --now, --tonight and --follow with their companions, --help and
// --version. Qt's options (-platform, -style and the like) belong to the application object,
// which takes them out of the arguments when the windows start.
namespace CommandLine {

// Whether arguments (the program's name first) start the windows: none, or only Qt's own
// options. Anything else, Horavane's options or a mistake, is for run(), which answers
// without a display.
bool startsWindows(const QStringList &arguments);

// Answers the options in arguments on stdout; an option or argument it does not know, or a
// stdout it cannot write, gets one line on stderr (with the usage after a wrong option).
// The exit status: 0 answered (for --follow: until its reader went), 1 not written, 2 a wrong
// option or argument. Needs the application object, and the settings' names set
// (nameApplication()).
int run(const QStringList &arguments);

} // namespace CommandLine
