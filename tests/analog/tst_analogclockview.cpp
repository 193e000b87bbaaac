#include "analog/AnalogClockView.h"
#include "analog/DialGeometry.h"

#include <QGuiApplication>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Odd, so the centre falls mid-pixel and level or upright hands cover whole pixels.
constexpr int side = 207;

QPalette palette(bool dark)
{
    QPalette p;
    p.setColor(QPalette::Base, dark ? QColor(0x1e, 0x1e, 0x1e) : QColor(Qt::white));
    p.setColor(QPalette::Text, dark ? QColor(0xe6, 0xe6, 0xe6) : QColor(Qt::black));
    return p;
}

ClockTime at(qint64 h, qint64 m, qint64 s)
{
    return fromSeconds((h * 60 + m) * 60 + s, u"2026-12-07"_s);
}

QImage render(AnalogClockView &view, int width, bool dark, const ClockTime &time, qreal dpr = 1)
{
    view.resize(width, width);
    view.setPalette(palette(dark));
    view.setTime(time);
    QImage image(view.size() * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    view.render(&image);
    return image;
}

QList<QPointF> ends(const QRectF &r) { return {r.topLeft(), r.bottomRight()}; }
QList<QPointF> ends(const QLineF &l) { return {l.p1(), l.p2()}; }
DialGeometry dial(qreal width, qreal height, const ClockTime &time = {}) { return dialGeometry(QRectF(0, 0, width, height), time); }

} // namespace

class TestAnalogClockView : public QObject {
    Q_OBJECT

private Q_SLOTS:

    // Worked by hand: rectangles as {top left, bottom right}, segments as {start, end}; y points up.
    void shapes_data()
    {
        QTest::addColumn<QList<QPointF>>("actual");
        QTest::addColumn<QList<QPointF>>("expected");
        // r = 100, C = (103, 103); numeral 2 sits 30° above three o'clock on a circle of 84.
        const DialGeometry g = dialGeometry(QRectF(40, 50, 206, 206), {});
        QTest::newRow("face ignores origin") << ends(g.face) << ends(QRectF(3, 3, 200, 200));
        QTest::newRow("2, clockwise from 12") << ends(g.numerals[1]) << ends(QRectF(165.746134, 132, 20, 20));
        QTest::newRow("AM/PM") << ends(g.morningCaption) << ends(QRectF(13, 23, 180, 20));
        QTest::newRow("date") << ends(g.dateCaption) << ends(QRectF(13, 148, 180, 20));
        // Below 38 wide the numerals' circle would turn inside out and put 12 at the bottom.
        QTest::newRow("small, 12 kept up") << ends(dial(30, 30).numerals[11]) << ends(QRectF(5, 2, 20, 20));
        QTest::newRow("short tick 59") << ends(tickMarks(206)[58]) << ends(QLineF(202.452190, 92.547154, 197.479580, 93.069796));
        QTest::newRow("long tick 60, by width") << ends(tickMarks(306)[59]) << ends(QLineF(303, 153, 293, 153));
        QTest::newRow("second at :45") << ends(dial(206, 206, at(3, 0, 45)).secondHand) << ends(QLineF(121, 103, 14.8, 103));
        // A height other than the width moves nothing but the bezel's outer edge.
        QTest::newRow("hour at 6 PM, tall") << ends(dial(206, 300, at(18, 0, 0)).hourHand) << ends(QLineF(103, 121, 103, 49));
        QTest::newRow("hands collapse") << ends(dial(20, 20, at(3, 0, 0)).hourHand) << ends(QLineF(10, 10, 10, 10));
    }

    void shapes()
    {
        QFETCH(QList<QPointF>, actual);
        QFETCH(QList<QPointF>, expected);
        for (qsizetype i = 0; i < 2; ++i)
            QVERIFY((actual[i] - expected[i]).manhattanLength() < 1e-4);
    }

    void pixels_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<ClockTime>("time");
        QTest::addColumn<QPointF>("point"); // y-up
        QTest::addColumn<QColor>("expected");

        const ClockTime three = at(3, 0, 0), evening = at(18, 45, 0); // minute up, then left; second up
        const DialGeometry g = dialGeometry(QRectF(0, 0, side, side), three), e = dialGeometry(QRectF(0, 0, side, side), evening);
        const auto mid = [](const DialGeometry &d, const QLineF &hand) { return (d.centre + hand.p2()) / 2; };
        for (const bool dark : {false, true}) {
            const QColor ink = palette(dark).color(QPalette::Text);
            const struct { const char *name; ClockTime time; QPointF point; QColor colour; } rows[] = {
                {"ring", three, {g.centre.x(), side - 1.5}, dark ? QColor(0x0a, 0x84, 0xff) : QColor(0x00, 0x7a, 0xff)},
                {"face", three, g.centre - QPointF(35, 35), palette(dark).color(QPalette::Base)},
                {"tick at 3", three, g.centre + QPointF(g.radius - 5, 0), ink},
                {"hour hand", three, mid(g, g.hourHand), ink},
                {"second over minute", three, mid(g, g.minuteHand), dark ? QColor(0xff, 0x45, 0x3a) : QColor(0xff, 0x3b, 0x30)},
                {"minute hand", evening, mid(e, e.minuteHand), ink},
            };
            for (const qreal dpr : {1.0, 2.0})
                for (const auto &row : rows)
                    QTest::addRow("%s @%gx, %s", dark ? "dark" : "light", dpr, row.name)
                        << dark << dpr << row.time << row.point << row.colour;
        }
    }

    void pixels()
    {
        QFETCH(bool, dark);
        QFETCH(qreal, dpr);
        QFETCH(ClockTime, time);
        QFETCH(QPointF, point);
        QFETCH(QColor, expected);

        AnalogClockView view;
        const QImage image = render(view, side, dark, time, dpr);
        QCOMPARE(image.pixelColor(int(point.x() * dpr), int(image.height() - point.y() * dpr)), expected);
    }

    // The bezel, face, ticks and numerals are drawn once and reused: after any change they are
    // drawn for, a dial must look exactly like a new one ("resized": ticks once kept the first width).
    void stillPartsFollowChanges_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("dark");
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<bool>("boldFont"); // the application font the numerals are set in

        QTest::newRow("resized") << side + 100 << false << 1.0 << false;
        QTest::newRow("dark palette") << side << true << 1.0 << false;
        QTest::newRow("rendered at 2x") << side << false << 2.0 << false;
        QTest::newRow("bold application font") << side << false << 1.0 << true;
    }

    void stillPartsFollowChanges()
    {
        QFETCH(int, width);
        QFETCH(bool, dark);
        QFETCH(qreal, dpr);
        QFETCH(bool, boldFont);

        AnalogClockView view;
        render(view, side, false, at(10, 10, 30));
        const QFont applicationFont = QGuiApplication::font();
        QFont changedFont = applicationFont;
        changedFont.setBold(boldFont);
        QGuiApplication::setFont(changedFont);
        AnalogClockView fresh;   // made after the change, so nothing of it was drawn before
        const QImage reused = render(view, width, dark, view.time(), dpr), expected = render(fresh, width, dark, view.time(), dpr);
        QGuiApplication::setFont(applicationFont);
        QCOMPARE(reused, expected);
    }

    void repaintsOnlyOnChange()
    {
        AnalogClockView view;
        view.setTime(at(10, 10, 30));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCoreApplication::processEvents();
        struct : QObject {
            int paints = 0;
            bool eventFilter(QObject *, QEvent *event) override { paints += event->type() == QEvent::Paint; return false; }
        } counter;
        view.installEventFilter(&counter);
        for (const auto &[time, paints] : {std::pair(at(10, 10, 30), 0), std::pair(at(22, 10, 30), 1)}) {
            view.setTime(time);
            QCoreApplication::processEvents();
            QCOMPARE(counter.paints, paints);
        }
    }
};

QTEST_MAIN(TestAnalogClockView)
#include "tst_analogclockview.moc"
