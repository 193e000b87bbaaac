#include "AppDelegate.h"
#include "ApplicationId.h"
#include "DisplayCheck.h"
#include "HoravaneApplication.h"
#include "SingleInstance.h"
#include "TerminationSignals.h"
#include "engine/WindowRegistry.h"
#include "look/NightVision.h"

#include <AppUtils/DefaultSettings.h>
#include <Platform/FrameAutosave.h>

#include <QIcon>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

#include <optional>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
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

    // Qt's own texts (standard buttons) and ours, in the desktop's language when we have it.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);
    QTranslator horavaneTexts;
    if (horavaneTexts.load(QLocale(), QStringLiteral("horavane"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(&horavaneTexts);

    SingleInstance instance;
    if (instance.activateRunning())
        return 0;
    instance.listen();

    // Window frames share the settings file: the same checks guard their writes.
    Platform::FrameAutosave::setWriteCheck([] { return AppUtils::Defaults().mayWrite(); });
    AppDelegate delegate;
    QObject::connect(&instance, &SingleInstance::activationRequested, &delegate, &AppDelegate::activate);
    TerminationSignals signals;
    QObject::connect(&signals, &TerminationSignals::received, &app, &QCoreApplication::quit);
    QObject::connect(&app, &HoravaneApplication::endBegins, &delegate, &AppDelegate::applicationEndBegins);
    QObject::connect(&app, &HoravaneApplication::endCancelled, &delegate, &AppDelegate::applicationEndCancelled);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &delegate, &AppDelegate::saveState);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate, &AppDelegate::applicationWillTerminate);
    QTimer::singleShot(0, &delegate, &AppDelegate::applicationDidFinishLaunching);
    const int status = QApplication::exec();

    // The clock windows need the application object: release them while it still exists.
    windowRegistry() = {};
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
