#include "engine/ClockUpdate.h"
#include "engine/WindowRegistry.h"

#include <QMainWindow>
#include <QPointer>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
QStringList g_log;   // which window refreshed, in order

// A clock window that only reports its refreshes; it registers like the real ones.
struct RecordingWindow : ClockWindow
{
    RecordingWindow(QString who, Slot slot)
        : ClockWindow(slot, QString(), AppUtils::systemClock(), nullptr), name(std::move(who)) {}
    void update() override
    {
        g_log.append(name);
        if (onUpdate)
            onUpdate();
    }
    void loadWindow(QMainWindow &) override {}

    QString name;
    std::function<void()> onUpdate;
};

} // namespace

class TestClockUpdate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        windowRegistry() = {};
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Digital first whatever the opening order (analog opened first here). Then the digital
    // window's refresh closes both: the analog slot is read after it, so it is skipped, and the
    // digital controller lives to the end of its own call, then is released.
    void refreshOrderAndWindowsClosedDuringATick()
    {
        const auto open = [](const QString &name, ClockWindow::Slot slot) {
            const auto window = makeClockWindow<RecordingWindow>(name, slot);
            window->showWindow();   // from here the registry slot is the only owner
            return QPointer(static_cast<RecordingWindow *>(window.get()));
        };
        const QPointer analog = open(u"analog"_s, &WindowRegistry::openAnalogWindow);
        const QPointer digital = open(u"digital"_s, &WindowRegistry::openHoravaneWindow);
        ClockUpdate::shared().tick();
        QCOMPARE(g_log, QStringList({u"digital"_s, u"analog"_s}));

        bool aliveAfterOwnClose = false;
        digital->onUpdate = [&] {
            analog->window()->close();
            digital->window()->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            aliveAfterOwnClose = !digital.isNull();
        };
        g_log.clear();
        ClockUpdate::shared().tick();
        QCOMPARE(g_log, QStringList{u"digital"_s});
        QVERIFY(aliveAfterOwnClose);
        QVERIFY(!windowRegistry().openHoravaneWindow && !windowRegistry().openAnalogWindow);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(digital.isNull() && analog.isNull(), "a closed window's controller must be released");
    }
};

QTEST_MAIN(TestClockUpdate)
#include "tst_clockupdate.moc"
