#include "PixelDifference.h"

#include <Extensions/Readout.h>

#include <QFontDatabase>
#include <QPainter>
#include <QScreen>
#include <QStaticText>
#include <QTest>
#include <QTextLayout>


using Extensions::Readout;
using namespace Qt::StringLiterals;

namespace {

QPalette palette(const QString &name)
{
    QPalette p; // the application's light one
    const auto set = [&](QColor window, QColor text, QColor dimmed) {
        p.setColor(QPalette::Window, window);
        p.setColor(QPalette::WindowText, text);
        p.setColor(QPalette::PlaceholderText, dimmed);
    };
    if (name == u"dark"_s)
        set(QColor(0x2a, 0x2e, 0x32), QColor(0xfc, 0xfc, 0xfc), QColor(0x90, 0x93, 0x96));
    else if (name == u"night"_s)
        set(QColor(0x0c, 0, 0), QColor(0x66, 0, 0), QColor(0x33, 0, 0));
    return p;
}

QImage rendered(Readout &readout, qreal ratio)
{
    QImage image(readout.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta); // shows through wherever the read-out leaves a pixel unpainted
    readout.render(&image);
    return image;
}

// What Qt's own shaping draws for the read-out's text: at the left, or at the right right to
// left, centred vertically, the dimmed characters in the palette's dimmed colour.
QImage shaped(const Readout &readout, qreal ratio, int dimmedStart, int dimmedLength)
{
    QImage image(readout.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(readout.palette().color(QPalette::Window));
    QPainter painter(&image);
    painter.setFont(readout.font());
    painter.setPen(readout.palette().color(QPalette::WindowText));
    const QFontMetricsF metrics(readout.font(), &readout);
    const qreal left = readout.isRightToLeft() ? readout.width() - metrics.horizontalAdvance(readout.text()) : 0;
    const QPointF origin(left, (readout.height() - metrics.height()) / 2);
    QTextLayout layout(readout.text(), readout.font(), &readout);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QTextLayout::FormatRange dimmed;
    dimmed.start = dimmedStart;
    dimmed.length = dimmedLength;
    dimmed.format.setForeground(readout.palette().color(QPalette::PlaceholderText));
    layout.draw(&painter, origin, {dimmed});
    return image;
}

QFont fixedFont(qreal scale)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(font.pointSizeF() * 1.15 * scale);
    return font;
}

} // namespace

class TestReadout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Cells copied from the glyph cache look as the shaped line does, within a level of 255 (the
    // cache blends a glyph drawn on transparency, where text is drawn straight on the window),
    // after the palette or the font changed under glyphs already cached for the old ones.
    void cellsLookAsShapedText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("dimmedStart");
        QTest::addColumn<int>("dimmedLength");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QString>("paletteAfter");
        QTest::addColumn<qreal>("fontAfter"); // times the first font
        QTest::addColumn<bool>("rightToLeft");
        const QString utc = u"1987-04-10T00:00:00.000Z"_s;
        QTest::newRow("UTC") << utc << 0 << 0 << 1.0 << u"light"_s << 1.0 << false;
        QTest::newRow("UTC at 2x") << utc << 0 << 0 << 2.0 << u"light"_s << 1.0 << false;
        QTest::newRow("at 1.5x") << utc << 0 << 0 << 1.5 << u"light"_s << 1.0 << false;
        QTest::newRow("milliseconds dimmed") << utc << 20 << 3 << 1.0 << u"light"_s << 1.0 << false;
        QTest::newRow("dimmed at 2x, dark") << utc << 20 << 3 << 2.0 << u"dark"_s << 1.0 << false;
        QTest::newRow("night vision") << utc << 20 << 3 << 1.0 << u"night"_s << 1.0 << false;
        QTest::newRow("grown with the window") << utc << 0 << 0 << 1.0 << u"light"_s << 1.6875 << false;
        QTest::newRow("right to left") << u"12:34:56"_s << 0 << 0 << 1.0 << u"light"_s << 1.0 << true;
        QTest::newRow("position") << u"+51°28′38.0″ N , 0°00′05.3″ W"_s << 0 << 0 << 2.0 << u"light"_s << 1.0 << false;
    }

    void cellsLookAsShapedText()
    {
        QFETCH(QString, text);
        QFETCH(int, dimmedStart);
        QFETCH(int, dimmedLength);
        QFETCH(qreal, ratio);
        QFETCH(QString, paletteAfter);
        QFETCH(qreal, fontAfter);
        QFETCH(bool, rightToLeft);
        Readout readout;
        readout.setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        readout.setFont(fixedFont(1));
        readout.reserveWidthFor({text + u"0000"_s});
        readout.setText(text);
        readout.setDimmed(dimmedStart, dimmedLength);
        readout.resize(readout.sizeHint());
        rendered(readout, ratio); // fills the cache with the first palette and font
        readout.setPalette(palette(paletteAfter));
        readout.setFont(fixedFont(fontAfter));
        readout.resize(readout.sizeHint());
        const int most = largestDifference(rendered(readout, ratio), shaped(readout, ratio, dimmedStart, dimmedLength));
        QVERIFY2(most <= 1, qPrintable(QString::number(most)));
    }

    // The next second repaints the cells that changed and no others, and what is on the screen
    // afterwards is what a whole repaint draws. A selection is drawn over the cells.
    void newSecondRepaintsItsCellsAlone_data()
    {
        QTest::addColumn<QString>("next");
        QTest::addColumn<int>("selected"); // characters from the left, 0 for none
        QTest::addColumn<QList<int>>("repainted"); // the characters the repaint reaches, first and last
        QTest::newRow("second") << u"1987-04-10T00:00:01.000Z"_s << 0 << QList{18, 18};
        QTest::newRow("minute") << u"1987-04-10T00:01:00.000Z"_s << 0 << QList{15, 15};
        QTest::newRow("selected") << u"1987-04-10T00:00:01.000Z"_s << 10 << QList{18, 18};
        QTest::newRow("shorter") << u"1987-04-10T00:00:01Z"_s << 0 << QList{18, 23};
    }

    void newSecondRepaintsItsCellsAlone()
    {
        QFETCH(QString, next);
        QFETCH(int, selected);
        QFETCH(QList<int>, repainted);
        QWidget window;
        auto *readout = new Readout(&window);
        readout->setFont(fixedFont(1));
        readout->reserveWidthFor({next + u"0000"_s});
        readout->setText(u"1987-04-10T00:00:00.000Z"_s);
        readout->setSelection(0, selected);
        window.resize(readout->sizeHint());
        readout->resize(readout->sizeHint());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QRegion painted;
        struct Watch : QObject
        {
            QRegion &region;
            explicit Watch(QRegion &r) : region(r) {}
            bool eventFilter(QObject *, QEvent *event) override
            {
                if (event->type() == QEvent::Paint)
                    region += static_cast<QPaintEvent *>(event)->region();
                return false;
            }
        } watch(painted);
        readout->installEventFilter(&watch);
        readout->setText(next);
        QTRY_VERIFY(!painted.isEmpty());
        const qreal cell = QFontMetricsF(readout->font()).horizontalAdvance(u'0');
        const QRect reached = painted.boundingRect();
        QVERIFY2(reached.left() > (repainted[0] - 1) * cell && reached.left() <= repainted[0] * cell
                     && reached.right() >= (repainted[1] + 1) * cell - 1 && reached.right() < (repainted[1] + 2) * cell,
            qPrintable(u"%1 to %2"_s.arg(reached.left()).arg(reached.right())));
        // The offscreen platform's screen shows what its backing store holds.
        const QImage screen = window.screen()->grabWindow(window.winId()).toImage().copy(readout->geometry());
        QCOMPARE(largestDifference(screen, rendered(*readout, 1)), 0);
    }
};

QTEST_MAIN(TestReadout)
#include "tst_readout.moc"
