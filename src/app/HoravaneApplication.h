#pragma once

#include <QApplication>

// The application object, telling when the end begins. Qt's quit() — the Quit command, a
// signal, the desktop session ending, the last window closing — closes every window before
// aboutToQuit, so whatever depends on the open windows must be read at endBegins().
class HoravaneApplication : public QApplication
{
    Q_OBJECT

public:
    using QApplication::QApplication;

Q_SIGNALS:
    void endBegins();
    // A window refused to close, so the application goes on.
    void endCancelled();

protected:
    bool event(QEvent *event) override;
};
