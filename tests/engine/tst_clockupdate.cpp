#include "engine/ClockUpdate.h"
#include "engine/WindowRegistry.h"

#include <QMainWindow>
#include <QPointer>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
QStringList g_log;   // which window refreshed, in order

// A clock window that only reports its refreshes; it registers like the real ones.
class RecordingWindow : public ClockWindow
{
public:
    RecordingWindow(QString name, Slot slot)
        : ClockWindow(slot, QString(), AppUtils::systemClock(), nullptr), m_name(std::move(name)) {}

    void update() override
    {
        g_log.append(m_name);
        if (onUpdate)
            onUpdate();
    }

    std::function<void()> onUpdate;

protected:
    void loadWindow(QMainWindow &) override {}

private:
    QString m_name;
};

// Analog opened first, so that the refresh order cannot come from the opening.
std::pair<QPointer<RecordingWindow>, QPointer<RecordingWindow>> openBoth()
{
    auto analog = makeClockWindow<RecordingWindow>(u"analog"_s, &WindowRegistry::openAnalogWindow);
    auto digital = makeClockWindow<RecordingWindow>(u"digital"_s, &WindowRegistry::openHoravaneWindow);
    analog->showWindow();
    digital->showWindow();
    return {static_cast<RecordingWindow *>(digital.get()), static_cast<RecordingWindow *>(analog.get())};
}
} // namespace

class TestClockUpdate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { g_log.clear(); }
    void cleanup();
    void closedWindowIsNotRefreshed();
    void windowClosedDuringTickIsSkippedAndSurvivesTheCall();
};

void TestClockUpdate::cleanup()
{
    windowRegistry() = {};
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestClockUpdate::closedWindowIsNotRefreshed()
{
    const auto [digital, analog] = openBoth();
    ClockUpdate::shared().tick();
    QCOMPARE(g_log, QStringList({u"digital"_s, u"analog"_s}));

    digital->window()->close();
    QVERIFY(!windowRegistry().openHoravaneWindow);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY2(digital.isNull(), "a closed window's controller must be released");
    g_log.clear();
    ClockUpdate::shared().tick();
    QCOMPARE(g_log, QStringList{u"analog"_s});
}

// The digital window's refresh closes both windows: the analog slot is read after the digital
// refresh, so it is skipped, and the digital controller lives to the end of its call.
void TestClockUpdate::windowClosedDuringTickIsSkippedAndSurvivesTheCall()
{
    const auto [digital, analog] = openBoth();
    bool aliveAfterOwnClose = false;
    digital->onUpdate = [&, self = digital, other = analog] {
        other->window()->close();
        self->window()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        aliveAfterOwnClose = !self.isNull();
    };

    ClockUpdate::shared().tick();
    QCOMPARE(g_log, QStringList{u"digital"_s});
    QVERIFY(aliveAfterOwnClose);
    QVERIFY(!windowRegistry().openHoravaneWindow && !windowRegistry().openAnalogWindow);
}

QTEST_MAIN(TestClockUpdate)
#include "tst_clockupdate.moc"
