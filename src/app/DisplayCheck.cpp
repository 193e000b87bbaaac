#include "DisplayCheck.h"

#include <QList>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace {
struct HeldMessage
{
    QtMsgType type;
    QString text;
};

QtMessageHandler g_previous = nullptr;
QList<HeldMessage> g_held;

void holdOrFail(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type != QtFatalMsg) {
        g_held.append({type, text});
        return;
    }
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const QByteArray display = qgetenv("DISPLAY");
    std::fprintf(stderr, "horavane: cannot open display \"%s\"%s%s\n", display.constData(),
        platform.isEmpty() ? "" : " with the platform ", platform.constData());
    std::_Exit(1);
}
} // namespace

DisplayCheck::DisplayCheck()
{
    g_previous = qInstallMessageHandler(holdOrFail);
}

DisplayCheck::~DisplayCheck()
{
    qInstallMessageHandler(g_previous);
    const QMessageLogContext context;
    for (const HeldMessage &message : std::as_const(g_held))
        qt_message_output(message.type, context, message.text);
    g_held.clear();
}
