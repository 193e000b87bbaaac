#pragma once

// Qt ends a start without a usable display with a screenful of plugin diagnostics and an abort.
// While active, this turns that into one clear line on stderr and exit status 1; other messages
// are held back and passed on once the application object exists.
class DisplayCheck
{
public:
    DisplayCheck();
    ~DisplayCheck(); // the display opened: release what was held back

    DisplayCheck(const DisplayCheck &) = delete;
    DisplayCheck &operator=(const DisplayCheck &) = delete;
};
