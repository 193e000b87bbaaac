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

bool near(QPointF a, QPointF b)
{
    return (a - b).manhattanLength() < 1e-4;
}

} // namespace

class TestDialGeometry : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fromSeconds_data();
    void fromSeconds();
    void rects_data();
    void rects();
    void segments_data();
    void segments();
    void handPositions();
};

void TestDialGeometry::fromSeconds_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<ClockTime>("expected");

    const QString d = u"7.12.26"_s;
    QTest::newRow("midnight")           << qint64(0) << ClockTime{ 0, 0, 0, true, d };
    QTest::newRow("end of 1st hour")    << qint64(3599) << ClockTime{ 0, 59, 59, true, d };
    QTest::newRow("noon is 12 PM")      << qint64(43200) << ClockTime{ 0, 0, 0, false, d };
    QTest::newRow("12:34:56 PM")        << qint64(45296) << ClockTime{ 0, 34, 56, false, d };
    QTest::newRow("last second")        << qint64(86399) << ClockTime{ 11, 59, 59, false, d };
    QTest::newRow("86400 wraps")        << qint64(86400) << ClockTime{ 0, 0, 0, true, d };
}

void TestDialGeometry::fromSeconds()
{
    QFETCH(qint64, seconds);
    QFETCH(ClockTime, expected);
    QCOMPARE(::fromSeconds(seconds, u"7.12.26"_s), expected);
}

void TestDialGeometry::rects_data()
{
    QTest::addColumn<QRectF>("actual");
    QTest::addColumn<QRectF>("expected");

    // A height other than the width moves nothing but the bezel's outer edge.
    for (const qreal height : { 206.0, 300.0 }) {
        const DialGeometry g = dial(206, height);
        const char *shape = height == 206 ? "square" : "tall";
        QTest::addRow("%s, bezel", shape)      << g.bezel << QRectF(0, 0, 206, height);
        QTest::addRow("%s, face", shape)       << g.face << QRectF(3, 3, 200, 200);
        QTest::addRow("%s, 12", shape)         << g.numerals[11] << QRectF(93, 174, 20, 20);
        QTest::addRow("%s, 3", shape)          << g.numerals[2] << QRectF(177, 90, 20, 20);
        QTest::addRow("%s, 6", shape)          << g.numerals[5] << QRectF(93, 6, 20, 20);
        QTest::addRow("%s, 9", shape)          << g.numerals[8] << QRectF(9, 90, 20, 20);
        QTest::addRow("%s, AM/PM", shape)      << g.morningCaption << QRectF(13, 23, 180, 20);
        QTest::addRow("%s, date", shape)       << g.dateCaption << QRectF(13, 148, 180, 20);
        QTest::addRow("%s, dot", shape)        << g.centreDot << QRectF(99, 99, 8, 8);
    }
    QTest::newRow("face ignores origin") << dialGeometry(QRectF(40, 50, 206, 206), {}).face << QRectF(3, 3, 200, 200);
    // Below 38 wide the numerals' circle would turn inside out and put 12 at the bottom.
    QTest::newRow("small, 12 kept up")   << dial(30, 30).numerals[11] << QRectF(5, 2, 20, 20);
}

void TestDialGeometry::rects()
{
    QFETCH(QRectF, actual);
    QFETCH(QRectF, expected);
    QVERIFY(near(actual.topLeft(), expected.topLeft()) && near(actual.bottomRight(), expected.bottomRight()));
}

void TestDialGeometry::segments_data()
{
    QTest::addColumn<QLineF>("actual");
    QTest::addColumn<QLineF>("expected");

    QTest::newRow("long tick 15")   << tickMarks(206)[14] << QLineF(103, 203, 103, 193);
    QTest::newRow("short tick 59")  << tickMarks(206)[58] << QLineF(202.452190, 92.547154, 197.479580, 93.069796);
    QTest::newRow("ticks by width") << tickMarks(306)[59] << QLineF(303, 153, 293, 153);
    QTest::newRow("hour at 3:00")   << dial(206, 206, at(3, 0, 0)).hourHand << QLineF(85, 103, 157, 103);
    QTest::newRow("second at :45")  << dial(206, 206, at(3, 0, 45)).secondHand << QLineF(121, 103, 14.8, 103);
    QTest::newRow("hour at 6 PM")   << dial(206, 300, at(18, 0, 0)).hourHand << QLineF(103, 121, 103, 49);
    QTest::newRow("hands collapse") << dial(20, 20, at(3, 0, 0)).hourHand << QLineF(10, 10, 10, 10);
}

void TestDialGeometry::segments()
{
    QFETCH(QLineF, actual);
    QFETCH(QLineF, expected);
    QVERIFY(near(actual.p1(), expected.p1()) && near(actual.p2(), expected.p2()));
}

void TestDialGeometry::handPositions()
{
    const HandPositions p = ::handPositions(at(10, 10, 30));
    QCOMPARE(std::tuple(p.hour, p.minute, p.second), std::tuple(50.875, 10.5, 30.0));
}

QTEST_APPLESS_MAIN(TestDialGeometry)
#include "tst_dialgeometry.moc"
