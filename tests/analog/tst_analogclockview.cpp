#include "analog/AnalogClockView.h"
#include "analog/DialGeometry.h"

#include <Extensions/TextDrawing.h>

#include <QGuiApplication>
#include <QPainter>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Odd, so the centre falls mid-pixel and level or upright hands cover whole pixels.
constexpr int side = 207;

QPalette palette(bool dark, QColor text = {})
{
    QPalette p;
    p.setColor(QPalette::Base, dark ? QColor(0x1e, 0x1e, 0x1e) : QColor(Qt::white));
    p.setColor(QPalette::Text, text.isValid() ? text : dark ? QColor(0xe6, 0xe6, 0xe6) : QColor(Qt::black));
    return p;
}

ClockTime at(qint64 h, qint64 m, qint64 s, const QString &date = u"2026-12-07"_s)
{
    return fromSeconds((h * 60 + m) * 60 + s, date);
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

} // namespace

class TestAnalogClockView : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void pixels_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<ClockTime>("time");
        QTest::addColumn<QPointF>("point"); // y-up
        QTest::addColumn<QColor>("expected");

        const ClockTime three = at(3, 0, 0, {}), evening = at(18, 45, 0, {}); // minute up, then left; second up
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

    // The date reads upright, 10 units high, in its rectangle: compared with the dial's ink hidden
    // and the date drawn there by hand. At 6:30:30 every hand points down, clear of the date.
    void dateUpright()
    {
        AnalogClockView view;
        const QImage dial = render(view, side, false, at(6, 30, 30));
        view.setPalette(palette(false, Qt::transparent));
        QImage expected(view.size(), QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::transparent);
        view.render(&expected);
        const QRectF rect = QTransform(1, 0, 0, -1, 0, side).mapRect(dialGeometry(QRectF(view.rect()), view.time()).dateCaption);
        QPainter painter(&expected);
        Extensions::drawText(painter, view.time().date, rect, 10 * 72.0 / expected.logicalDpiY(), nullptr,
                             Qt::AlignHCenter, Qt::black, 1, true, Extensions::LineBreak::Clip);
        painter.end();
        const QRect area = rect.adjusted(30, 0, -30, 0).toAlignedRect();
        QCOMPARE(dial.copy(area), expected.copy(area));
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
