#include "AppDelegate.h"
#include "ApplicationId.h"
#include "CommandLine.h"
#include "DisplayCheck.h"
#include "HoravaneApplication.h"
#include "SingleInstance.h"
#include "TerminationSignals.h"
#include "Translations.h"
#include "engine/ClockUpdate.h"
#include "engine/WindowRegistry.h"
#include "look/NightVision.h"
#include "scripting/AlarmNotifier.h"
#include "scripting/ClockService.h"


#include <QIcon>
#include <QTimer>

#include <cerrno>
#include <fcntl.h>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// A descriptor among 0-2 closed at start would be the number of the next file opened, the X11
// connection say, and the first warning would go into it. Each closed one is held by /dev/null,
// opened read-only so that writing to it fails as on the closed one: --now still says it could
// not write its answer.
void holdStandardDescriptors()
{
    for (int fd = 0; fd <= 2; ++fd)
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF)
            ::open("/dev/null", O_RDONLY); // the lowest free number: fd itself
}

QStringList argumentList(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// --now, --help, --version and mistakes: answered without a display, and without starting the clock.
int answerCommandLine(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    nameApplication();
    QCoreApplication::setApplicationVersion(QStringLiteral(HORAVANE_VERSION));
    const Translations translations;
    return CommandLine::run(QCoreApplication::arguments());
}

} // namespace

int main(int argc, char *argv[])
{
    holdStandardDescriptors();
    if (!CommandLine::startsWindows(argumentList(argc, argv)))
        return answerCommandLine(argc, argv);

    // Each second repaints a few small rectangles. Through X shared memory every repaint waits
    // for the server's reply, which wakes two threads twice a second; sent over the socket, as
    // small images are, it wakes none. Whoever set the variable knows better.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    std::optional<DisplayCheck> displayCheck(std::in_place);
    HoravaneApplication app(argc, argv);
    displayCheck.reset();

    nameApplication();
    QApplication::setApplicationVersion(QStringLiteral(HORAVANE_VERSION));
    QApplication::setQuitOnLastWindowClosed(true);
    NightVision::shared().install();

    const Translations translations;
    // What Qt left of the arguments after taking its own is not ours either.
    if (QCoreApplication::arguments().size() > 1)
        return CommandLine::run(QCoreApplication::arguments());

    SingleInstance instance;
    if (instance.activateRunning())
        return 0;
    instance.listen();

    AppDelegate delegate;
    QObject::connect(&instance, &SingleInstance::activationRequested, &delegate, &AppDelegate::activate);
    TerminationSignals signals;
    QObject::connect(&signals, &TerminationSignals::received, &app, &QCoreApplication::quit);
    QObject::connect(&app, &HoravaneApplication::endBegins, &delegate, &AppDelegate::applicationEndBegins);
    QObject::connect(&app, &HoravaneApplication::endCancelled, &delegate, &AppDelegate::applicationEndCancelled);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &delegate, &AppDelegate::saveState);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate, &AppDelegate::applicationWillTerminate);
    QTimer::singleShot(0, &delegate, &AppDelegate::applicationDidFinishLaunching);

    // Other programs read the clock once the windows have shown their first second, from the
    // same readings as the windows; the desktop is told of each alarm that rings in them.
    ClockService service([] { return ClockUpdate::shared().scriptReading(std::chrono::system_clock::now()); },
        [] { return ClockUpdate::shared().alarms(); });
    AlarmNotifier notifier{QString(applicationId)};
    ClockUpdate::shared().setReadingObserver([&service, &notifier](const ClockReading &reading) {
        service.publish(reading);
        if (!reading.alarmsRang.empty())
            notifier.notify(reading.alarmsRang);
    });
    QObject::connect(&NightVision::shared(), &NightVision::changed, &service,
        [&service] { service.setNightVision(NightVision::shared().isOn()); });
    QObject::connect(&service, &ClockService::problemChanged, &service,
        [](const QString &why) { ClockUpdate::shared().setScriptingProblem(why); });
    QObject::connect(&delegate, &AppDelegate::clocksShown, &service,
        [&service] { service.serve(QDBusConnection::SessionBus); });
    const int status = QApplication::exec();

    ClockUpdate::shared().setReadingObserver({}); // the service and the notifier end with this function
    // The clock windows need the application object: release them while it still exists.
    windowRegistry() = {};
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
