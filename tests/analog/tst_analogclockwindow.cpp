#include "FakeClock.h"
#include "TestObserver.h"
#include "analog/AnalogClockView.h"
#include "analog/AnalogClockWindow.h"
#include "engine/Location.h"
#include "engine/WindowRegistry.h"

#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTranslator>

using namespace Qt::StringLiterals;
using namespace std::chrono;

using Source = PreferencesGeneral::LocationSource;

char *toString(const ClockTime &time)
{
    return qstrdup(qPrintable(spokenText(time)));
}

namespace {

QString shortDate(int month, int day)
{
    return QLocale::system().toString(QDate(2026, month, day), QLocale::ShortFormat);
}

// A clock one second later at each reading, as the real one is across a second's boundary.
class SteppingClock : public FakeClock
{
public:
    using FakeClock::FakeClock;
    system_clock::time_point now() const override { return FakeClock::now() + m_reads++ * 1s; }

private:
    mutable int m_reads = 0;
};

struct Fixture
{
    explicit Fixture(const AppUtils::Clock &clock)
        : controller(makeClockWindow<AnalogClockWindow>(clock, pane.locate()))
    {
        pane.type("m_longitude", u"174.7762"_s);
        pane.choose(Source::useManual);
        controller->showWindow();
    }

    AnalogClockView &dial(const char *name) const
    {
        return *controller->window()->findChild<AnalogClockView *>(QLatin1StringView(name));
    }

    TestObserver pane;
    std::shared_ptr<ClockWindow> controller;
};

} // namespace

class TestAnalogClockWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { releaseClockWindows(); }

    void dialsAtAnInstant_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<qint64>("msecs");   // of the second tick
        QTest::addColumn<Source>("first");   // the source at the tick a second before
        QTest::addColumn<Source>("second");
        QTest::addColumn<ClockTime>("utc");
        QTest::addColumn<ClockTime>("local");
        QTest::addColumn<ClockTime>("lst");

        // Were the date and the hands read apart, or the milliseconds rounded, the last second
        // before midnight would show as midnight. Auckland's apparent sidereal time, worked by
        // hand (IAU mean sidereal time plus the equation of the equinoxes): 15:42:03.41 and
        // 15:42:04.41 at the Berlin instants, 14:41:54.56 a second before the UTC+12 one.
        const Source manual = Source::useManual, server = Source::useSiTech;
        QTest::newRow("one reading, milliseconds dropped") << "Europe/Berlin"_ba << qint64(1796597999999) << manual << manual
            << ClockTime{10, 59, 59, false, shortDate(12, 6)} << ClockTime{11, 59, 59, false, shortDate(12, 6)}
            << ClockTime{3, 42, 3, false, shortDate(12, 6)};
        // The sidereal dial carries the local date, whatever day UTC is in.
        QTest::newRow("local midnight, next date") << "Europe/Berlin"_ba << qint64(1796598000000) << manual << manual
            << ClockTime{11, 0, 0, false, shortDate(12, 6)} << ClockTime{0, 0, 0, true, shortDate(12, 7)}
            << ClockTime{3, 42, 4, false, shortDate(12, 7)};
        const ClockTime utc{10, 0, 0, false, shortDate(12, 6)}, local{10, 0, 0, true, shortDate(12, 7)};
        QTest::newRow("UTC+12, sidereal to the nearest second") << "Etc/GMT-12"_ba << qint64(1796594400000) << manual << manual
            << utc << local << ClockTime{2, 41, 55, false, shortDate(12, 7)};
        QTest::newRow("position lost: keeps the last") << "Etc/GMT-12"_ba << qint64(1796594400000) << manual << server
            << utc << local << ClockTime{2, 41, 54, false, shortDate(12, 7)};
        QTest::newRow("server: never moves") << "Etc/GMT-12"_ba << qint64(1796594400000) << server << server
            << utc << local << ClockTime{};
    }

    // Two ticks a second apart, the source changed between them; the clock reads a second
    // later each time, so a tick that read it twice would show the wrong second.
    void dialsAtAnInstant()
    {
        QFETCH(QByteArray, zone);
        QFETCH(qint64, msecs);
        QFETCH(Source, first);
        QFETCH(Source, second);
        QFETCH(ClockTime, utc);
        QFETCH(ClockTime, local);
        QFETCH(ClockTime, lst);

        qputenv("TZ", zone);
        const SteppingClock clock{system_clock::time_point(milliseconds(msecs) - 1s)};
        Fixture window(clock);
        window.pane.choose(first);
        window.controller->update();
        window.pane.choose(second);
        window.controller->update();
        QCOMPARE(window.dial("m_utc").time(), utc);
        QCOMPARE(window.dial("m_local").time(), local);
        QCOMPARE(window.dial("m_lst").time(), lst);
    }

    // A person who switches the desktop to another language finds the window where they left it:
    // the place is kept under the English title, not the translated one.
    void placeKeptWhateverTheLanguage()
    {
        struct : QTranslator {
            bool isEmpty() const override { return false; }
            QString translate(const char *, const char *source, const char *, int) const override { return QString::fromUtf8(source).toUpper(); }
        } upper;
        QCoreApplication::setOrganizationName(u"Horavane"_s);
        QCoreApplication::setApplicationName(u"Horavane"_s);
        QCoreApplication::installTranslator(&upper);
        auto controller = makeClockWindow<AnalogClockWindow>();
        controller->showWindow();
        QCoreApplication::removeTranslator(&upper);
        controller->window()->close();

        const QSettings stored(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                                   + u"/Horavane/Horavane.conf"_s, QSettings::IniFormat);
        QVERIFY(stored.contains(u"WindowFrames/Analog Clock"_s));
        QVERIFY(!stored.contains(u"WindowFrames/ANALOG CLOCK"_s));
    }

    void dialsStaySquare_data()
    {
        QTest::addColumn<QSize>("size");

        QTest::newRow("wide") << QSize(1500, 320);
        QTest::newRow("tall") << QSize(520, 900);
        QTest::newRow("below the minimum") << QSize(100, 80);
    }

    // Square, side by side in order, each captioned underneath, as large as the window allows.
    void dialsStaySquare()
    {
        QFETCH(QSize, size);

        const FakeClock clock;
        const Fixture window(clock);
        QMainWindow &main = *window.controller->window();
        main.resize(size);
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QWidget &central = *main.centralWidget();
        QTRY_COMPARE(central.layout()->geometry(), central.rect());

        const QRect first = window.dial("m_utc").geometry();
        QRect previous, caption;
        for (const char *name : {"m_utc", "m_local", "m_lst"}) {
            const QRect dial = window.dial(name).geometry();
            caption = main.findChild<QLabel *>(QString::fromLatin1(name) + u"Caption"_s)->geometry();
            QVERIFY(dial.width() == dial.height() && dial.width() >= window.dial(name).minimumSizeHint().width());
            QVERIFY(dial.top() == first.top() && (previous.isNull() || dial.left() > previous.right()));
            QVERIFY(caption.top() > dial.bottom() && caption.center().x() == dial.center().x() && central.rect().contains(caption));
            previous = dial;
        }
        // As large as fits, less the pixels that do not divide among three dials.
        const QRect area = central.contentsRect().marginsRemoved(central.layout()->contentsMargins());
        const int slackAcross = area.width() - (previous.right() - first.left() + 1);
        const int slackDown = area.height() - (caption.bottom() - first.top() + 1);
        QVERIFY2(std::min(slackAcross, slackDown) <= 2, qPrintable(u"%1 px across, %2 down"_s.arg(slackAcross).arg(slackDown)));
    }

};

QTEST_MAIN(TestAnalogClockWindow)
#include "tst_analogclockwindow.moc"
