#include "CommandLine.h"

#include "engine/ClockUpdate.h"
#include "preferences/StoredSettings.h"
#include "sites/SiteStore.h"
#include "scripting/Snapshot.h"
#include "timescales/SyncDaemons.h"
#include "timescales/TimeSources.h"

#include <AppUtils/DefaultSettings.h>

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

// The options, for reading arguments and for the usage.
struct Options
{
    QCommandLineParser parser;
    QCommandLineOption help = parser.addHelpOption();
    QCommandLineOption version = parser.addVersionOption();
    QCommandLineOption now{u"now"_s,
        QCoreApplication::translate("CommandLine",
            "Print the clock at this moment, as Horavane would show it with the stored settings and "
            "data files, as key: value lines, then end. Needs no display.")};
    QCommandLineOption tonight{u"tonight"_s,
        QCoreApplication::translate("CommandLine",
            "Print the night from local noon to the next local noon (the night in progress, or the one "
            "that starts on --date): sunset, twilight, sunrise, the Moon and the dark hours, as key: "
            "value lines, then end. Needs no display.")};
    QCommandLineOption date{u"date"_s,
        QCoreApplication::translate("CommandLine", "With --tonight: the night that starts at local noon of this date."),
        u"YYYY-MM-DD"_s};
    QCommandLineOption json{u"json"_s,
        QCoreApplication::translate("CommandLine", "With --now or --tonight: print one JSON object instead.")};

    Options()
    {
        // Qt's options have one dash and a word (-platform): named here, they are one unknown
        // option, not a handful of unknown letters.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.setApplicationDescription(
            QCoreApplication::translate("CommandLine", "Civil time, UTC and local sidereal time for astronomers."));
        parser.addOption(now);
        parser.addOption(tonight);
        parser.addOption(date);
        parser.addOption(json);
    }
};

bool written(const QByteArray &text)
{
    const bool ok
        = std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout) == static_cast<size_t>(text.size())
        && std::fflush(stdout) == 0;
    if (!ok)
        std::fprintf(stderr, "horavane: cannot write the output: %s\n", std::strerror(errno));
    return ok;
}

int refuse(const Options &options, const QString &why)
{
    std::fprintf(stderr, "horavane: %s\n%s", qPrintable(why), qPrintable(options.parser.helpText()));
    return 2;
}

// One line on stderr for an answer that cannot be given; exit status 1.
int fail(const QString &why)
{
    std::fprintf(stderr, "horavane: %s\n", qPrintable(why));
    return 1;
}

// The clock now, from the stored settings and the data files, as the windows would show it,
// with tonight as a script gets it from the running clock. The location service is not
// asked: a one-shot cannot wait for its first fix. gpsd, which reports every second, and the
// synchronisation daemon are, each for a moment at most.
ClockReading readingNow()
{
    const AppUtils::DefaultSettings &store = AppUtils::Defaults();
    Location location([] { return std::make_unique<PositionSource>(nullptr); });
    location.setSettings(loadObserverSettings(store));
    SyncDaemons daemons; // asked now, answering while gpsd is waited for
    location.awaitGpsdFix(std::chrono::milliseconds(2500));
    daemons.awaitFirstAnswers(std::chrono::milliseconds(2500));
    TimeSources sources(TimeSources::systemPlaces(), &readClockHealth, [&daemons] { return daemons.latest(); });
    sources.setTypedDut1(loadTypedDut1(store));
    AppUtils::MasterTimer timer; // never started: one reading needs no tick
    ClockUpdate clock(
        timer, [&location]() -> Location & { return location; }, [&sources]() -> TimeSources & { return sources; });
    const SiteListRead sites = loadSites(store);
    warnOfUnreadSites(sites);
    clock.setSites(sitesAmong(sites.lines));
    return clock.scriptReading(std::chrono::system_clock::now());
}

// The night in progress, or the one that starts at noon of --date, at the stored position.
int printTonight(const Options &options)
{
    std::optional<QDate> date;
    if (options.parser.isSet(options.date)) {
        const QString text = options.parser.value(options.date);
        date = QDate::fromString(text, u"yyyy-MM-dd"_s);
        if (text.size() != 10 || !date->isValid())
            return refuse(options,
                QCoreApplication::translate("CommandLine", "--date takes a date as YYYY-MM-DD, not '%1'.").arg(text));
        if (!almanacCovers(*date))
            return fail(
                QCoreApplication::translate("CommandLine", "no night for %1: %2").arg(text, almanacYearsText()));
    }
    const ClockReading reading = readingNow();
    const auto *position = std::get_if<ObserverPosition>(&reading.observer);
    if (!position) {
        const NoPosition &none = std::get<NoPosition>(reading.observer);
        QString why = noPositionText(none);
        if (none.reason == NoPosition::waitingForFix) // it would promise a fix this run never waits for
            why = QCoreApplication::translate("CommandLine",
                "a one-shot run does not wait for the location service; ask the running clock over D-Bus");
        return fail(QCoreApplication::translate("CommandLine", "no position: %1").arg(why));
    }
    std::shared_ptr<const Night> night = reading.night;
    if (date) {
        std::optional<Night> asked = nightOf(*date, QTimeZone::systemTimeZone(), position->latitude,
            position->longitude, reading.time.ut1.estimate.seconds);
        night = asked ? std::make_shared<const Night>(std::move(*asked)) : nullptr;
    }
    if (!night)
        return fail(
            QCoreApplication::translate("CommandLine", "the night cannot be worked out: %1").arg(almanacYearsText()));
    const std::vector<SnapshotEntry> entries = tonightOf(*night);
    return written(options.parser.isSet(options.json) ? snapshotJson(entries) : snapshotLines(entries)) ? 0 : 1;
}

} // namespace

bool CommandLine::startsWindows(const QStringList &arguments)
{
    // What QGuiApplication, QApplication and the X11 platform take for themselves, so that a
    // mistake gets the usage before anything needs a display.
    QCommandLineParser qt;
    qt.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char *name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
             "qwindowicon", "qwindowtitle", "session", "display", "geometry", "title", "icon", "name", "visual",
             "style", "stylesheet", "qmljsdebugger"})
        qt.addOption({QString::fromLatin1(name), {}, u"value"_s});
    for (const char *name : {"reverse", "widgetcount", "nograb", "dograb", "sync"})
        qt.addOption(QCommandLineOption(QString::fromLatin1(name)));
    return qt.parse(arguments) && qt.positionalArguments().isEmpty();
}

int CommandLine::run(const QStringList &arguments)
{
    Options options;
    if (!options.parser.parse(arguments))
        return refuse(options, options.parser.errorText());
    if (options.parser.isSet(options.help))
        return written(options.parser.helpText().toUtf8()) ? 0 : 1;
    if (options.parser.isSet(options.version))
        return written("horavane " + QCoreApplication::applicationVersion().toUtf8() + '\n') ? 0 : 1;
    const auto unexpected = [](const QString &argument) {
        return QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.").arg(argument);
    };
    if (const QStringList extra = options.parser.positionalArguments(); !extra.isEmpty())
        return refuse(options, unexpected(extra.first()));
    const bool now = options.parser.isSet(options.now), tonight = options.parser.isSet(options.tonight);
    if (now && tonight)
        return refuse(options, QCoreApplication::translate("CommandLine", "--now and --tonight go one at a time."));
    if (options.parser.isSet(options.date) && !tonight)
        return refuse(options, QCoreApplication::translate("CommandLine", "--date goes with --tonight."));
    if (tonight)
        return printTonight(options);
    if (!now)
        return refuse(options,
            options.parser.isSet(options.json)
                ? QCoreApplication::translate("CommandLine", "--json goes with --now or --tonight.")
                : unexpected(arguments.value(1)));
    const std::vector<SnapshotEntry> snapshot = snapshotOf(readingNow());
    return written(options.parser.isSet(options.json) ? snapshotJson(snapshot) : snapshotLines(snapshot)) ? 0 : 1;
}
