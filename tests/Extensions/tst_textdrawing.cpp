#include <Extensions/TextDrawing.h>

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;
using Extensions::LineBreak;

namespace {

constexpr QSize canvasSize(240, 80);

struct Options {
    QString text = u"12"_s;
    QRectF dest{ 90, 30, 60, 20 };
    qreal pointSize = 10;
    const QFont *font = nullptr;
    Qt::Alignment just = Qt::AlignHCenter;
    qreal alpha = 1;
    bool antialias = true;
    LineBreak lineBreak = LineBreak::Clip;
};

QImage draw(const Options &o)
{
    QImage image(canvasSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    Extensions::drawText(painter, o.text, o.dest, o.pointSize, o.font, o.just, Qt::black,
                         o.alpha, o.antialias, o.lineBreak);
    return image;
}

// The smallest rectangle holding every pixel with any ink.
QRect inkBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

int maxAlpha(const QImage &image)
{
    int most = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            most = std::max(most, qAlpha(image.pixel(x, y)));
    return most;
}

// Antialiased glyphs have edge pixels fainter than their strokes; aliased ones one level.
bool hasSoftEdges(const QImage &image)
{
    const int strongest = maxAlpha(image);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const int a = qAlpha(image.pixel(x, y)); a > 0 && a < strongest)
                return true;
    return false;
}

// -1 when the ink sits nearer the left edge of dest, 1 nearer the right, 0 centred.
int side(const QRect &ink, const QRectF &dest)
{
    const qreal left = ink.left() - dest.left();
    const qreal right = dest.right() - (ink.right() + 1);
    return std::abs(left - right) <= 2 ? 0 : left < right ? -1 : 1;
}

} // namespace

class TestTextDrawing : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void placement_data();
    void placement();
    void staysInside_data();
    void staysInside();
    void ink_data();
    void ink();
    void sizeOverridesFontSize();
    void restoresPainter();
};

void TestTextDrawing::placement_data()
{
    QTest::addColumn<Qt::Alignment>("just");
    QTest::addColumn<int>("expectedSide");

    QTest::newRow("centre")        << Qt::Alignment(Qt::AlignHCenter) << 0;
    QTest::newRow("left")          << Qt::Alignment(Qt::AlignLeft) << -1;
    QTest::newRow("right")         << Qt::Alignment(Qt::AlignRight) << 1;
    QTest::newRow("none is left")  << Qt::Alignment() << -1;
    QTest::newRow("vertical part ignored") << Qt::Alignment(Qt::AlignHCenter | Qt::AlignTop) << 0;
}

void TestTextDrawing::placement()
{
    QFETCH(Qt::Alignment, just);
    QFETCH(int, expectedSide);
    Options o;
    o.just = just;
    const QRect ink = inkBounds(draw(o));
    QVERIFY(!ink.isEmpty());
    QCOMPARE(side(ink, o.dest), expectedSide);
    // The line is centred vertically; digits sit above the descender, hence the slack.
    QVERIFY2(std::abs(QRectF(ink).center().y() - o.dest.center().y()) <= 4,
             qPrintable(u"ink %1..%2"_s.arg(ink.top()).arg(ink.bottom())));
}

void TestTextDrawing::staysInside_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("pointSize");
    QTest::addColumn<LineBreak>("lineBreak");

    const QString longText = u"Horavane shows sidereal time"_s;
    QTest::newRow("clip, wide")      << longText << qreal(10) << LineBreak::Clip;
    QTest::newRow("clip, tall")      << u"12"_s << qreal(40) << LineBreak::Clip;
    QTest::newRow("clip, lines")     << u"1\n2\n3\n4"_s << qreal(10) << LineBreak::Clip;
    QTest::newRow("word wrap")       << longText << qreal(10) << LineBreak::WordWrap;
    QTest::newRow("char wrap")       << longText << qreal(10) << LineBreak::CharWrap;
    QTest::newRow("truncate head")   << longText << qreal(10) << LineBreak::TruncateHead;
    QTest::newRow("truncate middle") << longText << qreal(10) << LineBreak::TruncateMiddle;
    QTest::newRow("truncate tail")   << longText << qreal(10) << LineBreak::TruncateTail;
}

void TestTextDrawing::staysInside()
{
    QFETCH(QString, text);
    QFETCH(qreal, pointSize);
    QFETCH(LineBreak, lineBreak);
    Options o;
    o.text = text;
    o.pointSize = pointSize;
    o.lineBreak = lineBreak;
    const QRect ink = inkBounds(draw(o));
    QVERIFY(!ink.isEmpty());
    QVERIFY2(o.dest.toAlignedRect().contains(ink),
             qPrintable(u"ink at %1,%2 %3×%4"_s.arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())));
}

void TestTextDrawing::ink_data()
{
    QTest::addColumn<qreal>("alpha");
    QTest::addColumn<bool>("antialias");
    QTest::addColumn<qreal>("pointSize");
    QTest::addColumn<int>("expectedMaxAlpha");
    QTest::addColumn<bool>("expectedSoftEdges");

    const qreal nan = std::numeric_limits<qreal>::quiet_NaN();
    QTest::newRow("opaque, aliased")  << qreal(1) << false << qreal(10) << 255 << false;
    QTest::newRow("antialiased")      << qreal(1) << true << qreal(10) << 255 << true;
    QTest::newRow("half alpha")       << qreal(0.5) << false << qreal(10) << 128 << false;
    QTest::newRow("alpha clamped")    << qreal(3) << false << qreal(10) << 255 << false;
    QTest::newRow("zero alpha")       << qreal(0) << true << qreal(10) << 0 << false;
    QTest::newRow("NaN alpha")        << nan << true << qreal(10) << 0 << false;
    QTest::newRow("zero size")        << qreal(1) << true << qreal(0) << 0 << false;
    QTest::newRow("NaN size")         << qreal(1) << true << nan << 0 << false;
}

void TestTextDrawing::ink()
{
    QFETCH(qreal, alpha);
    QFETCH(bool, antialias);
    QFETCH(qreal, pointSize);
    QFETCH(int, expectedMaxAlpha);
    QFETCH(bool, expectedSoftEdges);
    Options o;
    o.alpha = alpha;
    o.antialias = antialias;
    o.pointSize = pointSize;
    const QImage image = draw(o);
    QVERIFY2(std::abs(maxAlpha(image) - expectedMaxAlpha) <= 1, qPrintable(QString::number(maxAlpha(image))));
    QCOMPARE(hasSoftEdges(image), expectedSoftEdges);
}

void TestTextDrawing::sizeOverridesFontSize()
{
    // A caller's font gives the face; the size argument alone sets how big it is drawn.
    QFont big = QGuiApplication::font();
    big.setPointSizeF(36);
    Options withFont;
    withFont.font = &big;
    QCOMPARE(draw(withFont), draw(Options{}));
}

void TestTextDrawing::restoresPainter()
{
    QImage image(canvasSize, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    const QPen pen(Qt::green, 3);
    painter.setPen(pen);
    const QFont font = painter.font();
    const QPainter::RenderHints hints = painter.renderHints();
    Extensions::drawText(painter, u"12"_s, QRectF(10, 10, 20, 20), 10, nullptr, Qt::AlignHCenter,
                         Qt::red, 1, false, LineBreak::Clip);
    QCOMPARE(painter.pen(), pen);
    QCOMPARE(painter.font(), font);
    QVERIFY(!painter.hasClipping());
    QCOMPARE(painter.renderHints(), hints);
}

QTEST_MAIN(TestTextDrawing)
#include "tst_textdrawing.moc"
