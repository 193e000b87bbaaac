// The smallest Qt Widgets clock: one label, rewritten by a repeating 1000 ms QTimer. The
// yardstick the benchmarks hold Horavane against.
#include <QApplication>
#include <QLabel>
#include <QTime>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label;
    label.setWindowTitle(QStringLiteral("Qt label clock"));
    label.setMinimumWidth(200);
    const auto show = [&label] { label.setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss"))); };
    show();
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &label, show);
    timer.start(1000);
    label.show();
    return QApplication::exec();
}
