#include "analog/DialGeometry.h"

#include <QTest>

#include <tuple>

using namespace Qt::StringLiterals;

namespace {
ClockTime at(qint64 h, qint64 m, qint64 s)
{
    return fromSeconds((h * 60 + m) * 60 + s, {});
}

DialGeometry dial(qreal width, qreal height, const ClockTime &time = {})
{
    return dialGeometry(QRectF(0, 0, width, height), time);
}

QList<QPointF> ends(const QRectF &r) { return {r.topLeft(), r.bottomRight()}; }
QList<QPointF> ends(const QLineF &l) { return {l.p1(), l.p2()}; }
} // namespace

class TestDialGeometry : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fromSeconds_data()
    {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<ClockTime>("expected");

        QTest::newRow("noon is 12 PM") << qint64(43200) << ClockTime{0, 0, 0, false, u"d"_s};
        QTest::newRow("last second") << qint64(86399) << ClockTime{11, 59, 59, false, u"d"_s};
        QTest::newRow("86400 wraps") << qint64(86400) << ClockTime{0, 0, 0, true, u"d"_s};
    }

    void fromSeconds()
    {
        QFETCH(qint64, seconds);
        QFETCH(ClockTime, expected);
        QCOMPARE(::fromSeconds(seconds, u"d"_s), expected);
    }

    // Rectangles as {top left, bottom right}, segments as {start, end}; y points up.
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

    void handPositions()
    {
        const HandPositions p = ::handPositions(at(10, 10, 30));
        QCOMPARE(std::tuple(p.hour, p.minute, p.second), std::tuple(50.875, 10.5, 30.0));
    }
};

QTEST_APPLESS_MAIN(TestDialGeometry)
#include "tst_dialgeometry.moc"
