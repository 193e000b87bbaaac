#include "HoravaneApplication.h"

bool HoravaneApplication::event(QEvent *event)
{
    if (event->type() != QEvent::Quit)
        return QApplication::event(event);
    Q_EMIT endBegins();
    const bool handled = QApplication::event(event);
    if (!event->isAccepted())
        Q_EMIT endCancelled();
    return handled;
}
