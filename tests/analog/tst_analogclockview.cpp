#include "ClockWindows.h"
#include "PixelDifference.h"
#include "analog/AnalogClockView.h"
#include "analog/AnalogClockWindow.h"
#include "analog/CoverageMask.h"
#include "analog/DialGeometry.h"

#include <QMainWindow>
#include <QPainter>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono;

char *toString(const ClockTime &time) { return qstrdup(qPrintable(spokenText(time))); }

namespace {
// Odd, so the centre falls mid-pixel and level or upright hands cover whole pixels.
constexpr int side = 207;

QPalette palette(bool dark)
{
    QPalette p;
    for (const auto &[role, colour] : {std::pair(QPalette::Base, dark ? 0x1e1e1e : 0xffffff), std::pair(QPalette::Text, dark ? 0xe6e6e6 : 0)})
        p.setColor(role, QColor::fromRgb(QRgb(colour)));
    return p;
}

ClockTime at(qint64 h, qint64 m, qint64 s) { return fromSeconds((h * 60 + m) * 60 + s, u"2026-12-07"_s); }
constexpr DialKind h24 = DialKind::twentyFourHour, h12 = DialKind::twelveHour;
DialGeometry dial(qreal width, qreal height, const ClockTime &time = {}, DialKind kind = h12) { return dialGeometry(QRectF(0, 0, width, height), time, kind); }
QList<QPointF> ends(const QRectF &r) { return {r.topLeft(), r.bottomRight()}; }
QList<QPointF> ends(const QLineF &l) { return {l.p1(), l.p2()}; }

QImage render(AnalogClockView &view, int width, bool dark, const ClockTime &time, qreal dpr = 1, DialKind kind = h12)
{
    view.resize(width, width);
    view.setDialKind(kind);
    view.setPalette(palette(dark));
    view.setTime(time);
    QImage image(view.size() * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    view.render(&image);
    return image;
}

// located: the observer at Auckland's longitude, else the server source with no position.
struct Row { const char *name; QByteArray zone; qint64 msecs; bool firstLocated, secondLocated; ClockTime utc, local, lst; };
} // namespace

Q_DECLARE_METATYPE(Row)
Q_DECLARE_METATYPE(DialKind)

class TestAnalogClockView : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { releaseClockWindows(); }

    void dialsAtAnInstant_data()
    {
        QTest::addColumn<Row>("row");
        const auto day = [](int month, int d) { return QLocale::system().toString(QDate(2026, month, d), QLocale::ShortFormat); };
        // Read apart, or rounded, the last second before midnight would show as midnight. Auckland's
        // apparent sidereal time by hand (IAU mean time plus the equation of the equinoxes):
        // 15:42:03.41 and 04.41 at the Berlin instants, 14:41:54.56 at the first UTC+12 tick.
        const bool manual = true, server = false;
        const ClockTime utc{10, 0, 0, false, day(12, 6)}, local{10, 0, 0, true, day(12, 7)};
        const Row rows[] = {
            {"one reading, milliseconds dropped", "Europe/Berlin", 1796597999999, manual, manual, {10, 59, 59, false, day(12, 6)}, {11, 59, 59, false, day(12, 6)}, {3, 42, 3, false, day(12, 6)}},
            {"local midnight, next date", "Europe/Berlin", 1796598000000, manual, manual, {11, 0, 0, false, day(12, 6)}, {0, 0, 0, true, day(12, 7)}, {3, 42, 4, false, day(12, 7)}},
            {"position lost: keeps the last, local date", "Etc/GMT-12", 1796594400000, manual, server, utc, local, {2, 41, 54, false, day(12, 7)}},
            {"server: never moves", "Etc/GMT-12", 1796594400000, server, server, utc, local, {}},
        };
        for (const Row &row : rows)
            QTest::newRow(row.name) << row;
    }

    // Two readings a second apart, the position gone or not in the second.
    void dialsAtAnInstant()
    {
        QFETCH(Row, row);
        const auto controller = makeClockWindow<AnalogClockWindow>();
        controller->showWindow();
        qputenv("TZ", row.zone);
        AppUtils::SiderealClock sidereal;
        for (const auto &[msecs, located] : {std::pair(row.msecs - 1000, row.firstLocated), std::pair(row.msecs, row.secondLocated)}) {
            const auto observer = located ? std::variant<ObserverPosition, NoPosition>(ObserverPosition{-36.8485, 174.7762})
                                          : NoPosition::serverGivesNone;
            ClockUpdate::shared().show(readingAt(system_clock::time_point(milliseconds(msecs)), {}, observer, {}, sidereal));
        }
        const auto dial = [&](const char *name) { return controller->window()->findChild<AnalogClockView *>(QLatin1StringView(name))->time(); };
        QCOMPARE((QList{dial("m_utc"), dial("m_local"), dial("m_lst")}), (QList{row.utc, row.local, row.lst}));
    }

    // The setting turns the LST dial alone into a 24-hour one, and back; a screen reader hears 24-hour time from it
    // (Auckland, 14:41:54.56 rounded).
    void lstDialFollowsTheSetting()
    {
        const auto controller = makeClockWindow<AnalogClockWindow>();
        controller->showWindow();
        AppUtils::SiderealClock sidereal;
        const auto view = [&](const char *name) { return controller->window()->findChild<AnalogClockView *>(QLatin1StringView(name)); };
        for (const bool on : {true, false}) {
            ObserverSettings settings{LocationSource::useManual, 0, 0, true, on};
            ClockUpdate::shared().show(readingAt(system_clock::time_point(1796594400000ms), settings, ObserverPosition{-36.8485, 174.7762}, {}, sidereal));
            QCOMPARE((QList{view("m_utc")->dialKind(), view("m_local")->dialKind(), view("m_lst")->dialKind()}), (QList{h12, h12, on ? h24 : h12}));
            QCOMPARE(view("m_lst")->accessibleDescription().section(u',', 0, 0), on ? u"14:41:55"_s : u"2:41:55 PM"_s);
        }
    }

    // Worked by hand: rectangles as {top left, bottom right}, segments as {start, end}; y points up.
    void shapes_data()
    {
        QTest::addColumn<QList<QPointF>>("actual");
        QTest::addColumn<QList<QPointF>>("expected");
        // r = 100, C = (103, 103); numeral 2 sits 30° above three o'clock on a circle of 84.
        const DialGeometry g = dialGeometry(QRectF(40, 50, 206, 206), {});
        QTest::newRow("face ignores origin") << ends(g.face) << ends(QRectF(3, 3, 200, 200));
        QTest::newRow("2, clockwise from 12") << ends(g.numerals[1]) << ends(QRectF(165.746134, 132, 20, 20));
        QTest::newRow("date") << ends(g.dateCaption) << ends(QRectF(13, 148, 180, 20));
        // Below 38 wide the numerals' circle would turn inside out and put 12 at the bottom.
        QTest::newRow("small, 12 kept up") << ends(dial(30, 30).numerals[11]) << ends(QRectF(5, 2, 20, 20));
        QTest::newRow("short tick 59") << ends(tickMarks(206)[58]) << ends(QLineF(202.452190, 92.547154, 197.479580, 93.069796));
        QTest::newRow("long tick 60, by width") << ends(tickMarks(306)[59]) << ends(QLineF(303, 153, 293, 153));
        QTest::newRow("second at :45") << ends(dial(206, 206, at(3, 0, 45)).secondHand) << ends(QLineF(121, 103, 14.8, 103));
        // A height other than the width moves nothing but the bezel's outer edge.
        QTest::newRow("hour at 6 PM, tall") << ends(dial(206, 300, at(18, 0, 0)).hourHand) << ends(QLineF(103, 121, 103, 49));
        QTest::newRow("hands collapse") << ends(dial(20, 20, at(3, 0, 0)).hourHand) << ends(QLineF(10, 10, 10, 10));
        // To repaint, y down: the hands' boxes before and after, half a pen wider, the dot, a pixel more, rounded out.
        QTest::newRow("repaint, hour 12 to 3") << ends(QRectF(changedRect({206, 206}, at(0, 0, 0), at(3, 0, 0)))) << ends(QRectF(82, 46, 78, 78));
        QTest::newRow("repaint, second :00 to :15, all creep") << ends(QRectF(changedRect({206, 206}, at(0, 0, 0), at(0, 0, 15)))) << ends(QRectF(83, 13, 110, 111));
        QTest::newRow("repaint, AM to PM: caption only") << ends(QRectF(changedRect({206, 206}, at(10, 10, 30), at(22, 10, 30)))) << ends(QRectF(12, 162, 182, 22));
        // 24 h, 0 at the top and clockwise like the other hands: 06:00 lies where 3 o'clock does.
        QTest::newRow("24 h: 0 where 12 was") << ends(dial(206, 206, {}, h24).numerals[0]) << ends(QRectF(93, 174, 20, 20));
        QTest::newRow("24 h: 1 at 75°") << ends(dial(206, 206, {}, h24).numerals[1]) << ends(QRectF(114.740800, 171.137769, 20, 20));
        QTest::newRow("24 h: no AM/PM") << ends(dial(206, 206, {}, h24).morningCaption) << ends(QRectF());
        QTest::newRow("24 h: hour at 06:00 right") << ends(dial(206, 206, at(6, 0, 0), h24).hourHand) << ends(QLineF(85, 103, 157, 103));
        QTest::newRow("24 h: hour at 18:00 left") << ends(dial(206, 206, at(18, 0, 0), h24).hourHand) << ends(QLineF(121, 103, 49, 103));
        QTest::newRow("24 h: mark of 1 h between ticks") << ends(tickMarks(206, h24)[60]) << ends(QLineF(128.881905, 199.592583, 126.293714, 189.933324));
        // Half a turn of the hour hand (25.4375 to 55.4375 divisions), no caption.
        QTest::newRow("24 h repaint, AM to PM: hour hand only") << ends(QRectF(changedRect({206, 206}, at(10, 10, 30), at(22, 10, 30), h24))) << ends(QRectF(75, 52, 56, 102));
        // r = 200: text, numerals and captions twice the size, the numerals on r − 32; r = 100 keeps 10.
        QTest::newRow("r = 200: 12 of 40 × 40") << ends(dial(406, 406).numerals[11]) << ends(QRectF(183, 345, 40, 40));
        QTest::newRow("r = 200: date 40 high, inset 20") << ends(dial(406, 406).dateCaption) << ends(QRectF(23, 293, 360, 40));
        QTest::newRow("text 10, 20 at r = 100, 200") << QList<QPointF>{{dial(206, 206).labelSize, dial(406, 406).labelSize}, {}} << QList<QPointF>{{10, 20}, {}};
    }

    void shapes()
    {
        QFETCH(QList<QPointF>, actual);
        QFETCH(QList<QPointF>, expected);
        QVERIFY((actual[0] - expected[0]).manhattanLength() + (actual[1] - expected[1]).manhattanLength() < 1e-4);
    }

    void pixels_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<QPointF>("point"); // y-up, in pixels
        QTest::addColumn<QColor>("expected");
        const ClockTime three = at(3, 0, 0), evening = at(18, 45, 0); // minute up, then left; second up
        const DialGeometry g = dial(side, side, three), e = dial(side, side, evening);
        const auto mid = [](const DialGeometry &d, const QLineF &hand) { return (d.centre + hand.p2()) / 2; };
        for (const bool dark : {false, true}) {
            const QColor ink = palette(dark).color(QPalette::Text);
            const struct { const char *name; ClockTime time; QPointF point; QColor colour; } rows[] = {
                {"ring", three, {g.centre.x(), side - 1.5}, dark ? QColor(0x0a, 0x84, 0xff) : QColor(0x00, 0x7a, 0xff)},
                {"corner, the window's colour", three, {0.5, side - 0.5}, palette(dark).color(QPalette::Window)},
                {"face", three, g.centre - QPointF(35, 35), palette(dark).color(QPalette::Base)},
                {"tick at 3", three, g.centre + QPointF(g.radius - 5, 0), ink},
                {"hour hand", three, mid(g, g.hourHand), ink},
                {"second over minute", three, mid(g, g.minuteHand), dark ? QColor(0xff, 0x45, 0x3a) : QColor(0xff, 0x3b, 0x30)},
                {"minute hand", evening, mid(e, e.minuteHand), ink},
            };
            for (const qreal dpr : {1.0, 2.0})
                for (const auto &row : rows) {
                    AnalogClockView view;
                    QTest::addRow("%s @%gx, %s", dark ? "dark" : "light", dpr, row.name)
                        << render(view, side, dark, row.time, dpr) << row.point * dpr << row.colour;
                }
        }
    }

    void pixels()
    {
        QFETCH(QImage, image);
        QFETCH(QPointF, point);
        QFETCH(QColor, expected);
        QCOMPARE(image.pixelColor(int(point.x()), int(image.height() - point.y())), expected);
    }

    // The hour and minute hands are laid on without the painter; they must look as its antialiased flat-capped
    // line does, to a level of 255, slanted or within 1/64 pixel of level or upright (it squares those).
    void barsAsThePainterDrawsThem_data()
    {
        QTest::addColumn<QLineF>("line");
        QTest::addColumn<qreal>("width");
        QTest::newRow("hour, 10:10") << QLineF(103.5, 103.5, 55.2, 75.9) << 3.0;
        QTest::newRow("minute, steep") << QLineF(103.5, 103.5, 110.25, 25.1) << 2.0;
        QTest::newRow("2x, shallow") << QLineF(207, 207, 380.3, 190.6) << 6.0;
        QTest::newRow("nearly level") << QLineF(103.5, 103.5, 30.2, 103.51) << 3.0;
        QTest::newRow("nearly upright, 2x") << QLineF(207, 207, 207.012, 50.4) << 4.0;
    }

    void barsAsThePainterDrawsThem()
    {
        QFETCH(QLineF, line);
        QFETCH(qreal, width);
        QImage painted(414, 414, QImage::Format_RGB32);
        painted.fill(0xffe8f0ff);
        QImage laid = painted.copy();
        QPainter painter(&painted);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0x20, 0x40, 0x10), width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(line);
        painter.end();
        fillBar(laid, laid.rect(), line, width, 0xff204010);
        const int worst = largestDifference(painted, laid);
        QVERIFY2(worst <= 1, qPrintable(QString::number(worst)));
    }

    // The still parts are drawn once and reused, yet must follow a change ("resized": ticks kept the first width).
    void stillPartsFollowChanges()
    {
        const std::tuple<const char *, int, bool, qreal, DialKind> changes[] = {{"resized", side + 100, false, 1, h12}, {"dark", side, true, 1, h12}, {"2x", side, false, 2, h12}, {"24 h", side, false, 1, h24}};
        for (const auto &[change, width, dark, dpr, kind] : changes) {
            AnalogClockView view, fresh;
            render(view, side, false, at(10, 10, 30));
            QVERIFY2(render(view, width, dark, view.time(), dpr, kind) == render(fresh, width, dark, view.time(), dpr, kind), change);
        }
    }

    // Repainting only what setTime invalidated must give the pixels of a whole repaint (a region too
    // small leaves traces of the old hands); an equal time repaints nothing.
    void repaintsOnlyWhatChanged_data()
    {
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<QList<ClockTime>>("times");
        QTest::addColumn<DialKind>("kind");
        for (const qreal dpr : {1.0, 2.0}) {
            QTest::addRow("second by second @%gx", dpr) << dpr << QList{at(10, 9, 59), at(10, 10, 0), at(10, 10, 0), at(10, 10, 1)} << h12;
            QTest::addRow("clock set, second hand leaves the others @%gx", dpr) << dpr << QList{at(10, 10, 15), at(10, 10, 45)} << h12;
            QTest::addRow("date alone @%gx", dpr) << dpr << QList{at(10, 10, 30), fromSeconds(36630, u"2026-12-08"_s)} << h12;
            QTest::addRow("midnight, captions @%gx", dpr) << dpr << QList{at(23, 59, 59), fromSeconds(0, u"2026-12-08"_s)} << h12;
            QTest::addRow("24 h: noon, no caption; by the second @%gx", dpr) << dpr << QList{at(11, 59, 59), at(12, 0, 0), at(12, 0, 1), at(0, 0, 0)} << h24;
        }
    }

    void repaintsOnlyWhatChanged()
    {
        QFETCH(qreal, dpr);
        QFETCH(QList<ClockTime>, times);
        QFETCH(DialKind, kind);
        AnalogClockView view, whole;
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QImage image = render(view, side, false, times[0], dpr, kind);
        QCoreApplication::processEvents();
        struct : QObject { QRegion painted; bool eventFilter(QObject *, QEvent *e) override { return (painted += e->type() == QEvent::Paint ? static_cast<QPaintEvent *>(e)->region() : QRegion(), false); } } seen;
        view.installEventFilter(&seen);
        for (qsizetype i = 1; i < times.size(); ++i) {
            seen.painted = {};
            view.setTime(times[i]);
            QCoreApplication::processEvents();
            QCOMPARE(seen.painted.isEmpty(), times[i] == times[i - 1]);
            view.render(&image, seen.painted.boundingRect().topLeft(), QRegion(seen.painted));
        }
        QCOMPARE(image, render(whole, side, false, times.last(), dpr, kind));
    }
};

QTEST_MAIN(TestAnalogClockView)
#include "tst_analogclockview.moc"
