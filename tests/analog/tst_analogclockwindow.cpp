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
        QTest::addColumn<qint64>("msecs");
        QTest::addColumn<ClockTime>("utc");
        QTest::addColumn<ClockTime>("local");

        // The clock reads a second later each time: were the date and the hands read apart, or
        // the milliseconds rounded, the last second before midnight would show as midnight.
        QTest::newRow("one reading, milliseconds dropped") << "Europe/Berlin"_ba << qint64(1796597999999)
            << ClockTime{10, 59, 59, false, shortDate(12, 6)} << ClockTime{11, 59, 59, false, shortDate(12, 6)};
        QTest::newRow("local midnight, next date") << "Europe/Berlin"_ba << qint64(1796598000000)
            << ClockTime{11, 0, 0, false, shortDate(12, 6)} << ClockTime{0, 0, 0, true, shortDate(12, 7)};
        QTest::newRow("UTC+12: UTC a day behind") << "Etc/GMT-12"_ba << qint64(1796594400000)
            << ClockTime{10, 0, 0, false, shortDate(12, 6)} << ClockTime{10, 0, 0, true, shortDate(12, 7)};
    }

    // The sidereal dial carries the local date, whatever day UTC is in.
    void dialsAtAnInstant()
    {
        QFETCH(QByteArray, zone);
        QFETCH(qint64, msecs);
        QFETCH(ClockTime, utc);
        QFETCH(ClockTime, local);

        qputenv("TZ", zone);
        const SteppingClock clock{system_clock::time_point(milliseconds(msecs))};
        const Fixture window(clock);
        window.controller->update();
        QCOMPARE(window.dial("m_utc").time(), utc);
        QCOMPARE(window.dial("m_local").time(), local);
        QCOMPARE(window.dial("m_lst").time().date, local.date);
    }

    void siderealDial_data()
    {
        QTest::addColumn<Source>("first");
        QTest::addColumn<Source>("second");
        QTest::addColumn<ClockTime>("shown");

        // Auckland's apparent sidereal time (IAU mean sidereal time plus the equation of the
        // equinoxes, worked by hand) is 52913.56 s at the first tick and 52914.56 s at the
        // second: rounded, 14:41:54 and 14:41:55; truncating would lose a second.
        QTest::newRow("manual: nearest second") << Source::useManual << Source::useManual
                                                << ClockTime{2, 41, 55, false, shortDate(12, 7)};
        QTest::newRow("position lost: keeps the last") << Source::useManual << Source::useSiTech
                                                       << ClockTime{2, 41, 54, false, shortDate(12, 7)};
        QTest::newRow("server: never moves") << Source::useSiTech << Source::useSiTech << ClockTime{};
    }

    // Two ticks, at 09:59:59 and 10:00:00 local time (UTC+12), the source changed between them.
    void siderealDial()
    {
        QFETCH(Source, first);
        QFETCH(Source, second);
        QFETCH(ClockTime, shown);

        qputenv("TZ", "Etc/GMT-12");
        FakeClock clock{system_clock::time_point(1796594399s)};
        Fixture window(clock);
        window.pane.choose(first);
        window.controller->update();
        window.pane.choose(second);
        clock.advance(1s);
        window.controller->update();
        QCOMPARE(window.dial("m_lst").time(), shown);
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
