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
        : ClockWindow(slot, QString(), AppUtils::systemClock(), nullptr)
        , m_name(std::move(name))
    {
    }

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

RecordingWindow *open(const QString &name, ClockWindow::Slot slot)
{
    auto controller = makeClockWindow<RecordingWindow>(name, slot);
    controller->showWindow();
    return static_cast<RecordingWindow *>(controller.get());
}
} // namespace

class TestClockUpdate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void refreshesOpenWindowsInOrder_data();
    void refreshesOpenWindowsInOrder();
    void closedWindowIsNotRefreshed();
    void windowClosedDuringTickIsSkippedAndSurvivesTheCall();
};

void TestClockUpdate::init()
{
    g_log.clear();
}

void TestClockUpdate::cleanup()
{
    windowRegistry() = {};
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestClockUpdate::refreshesOpenWindowsInOrder_data()
{
    QTest::addColumn<bool>("digital");
    QTest::addColumn<bool>("analog");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("none") << false << false << QStringList();
    QTest::newRow("digital only") << true << false << QStringList{u"digital"_s};
    QTest::newRow("analog only") << false << true << QStringList{u"analog"_s};
    QTest::newRow("both, digital first") << true << true << QStringList{u"digital"_s, u"analog"_s};
}

void TestClockUpdate::refreshesOpenWindowsInOrder()
{
    QFETCH(bool, digital);
    QFETCH(bool, analog);
    QFETCH(QStringList, expected);

    // Opened in the opposite order, so that the refresh order cannot come from the opening.
    if (analog)
        open(u"analog"_s, &WindowRegistry::openAnalogWindow);
    if (digital)
        open(u"digital"_s, &WindowRegistry::openHoravaneWindow);

    ClockUpdate::shared().tick();
    QCOMPARE(g_log, expected);
}

void TestClockUpdate::closedWindowIsNotRefreshed()
{
    QPointer<RecordingWindow> digital = open(u"digital"_s, &WindowRegistry::openHoravaneWindow);
    open(u"analog"_s, &WindowRegistry::openAnalogWindow);
    ClockUpdate::shared().tick();

    digital->window()->close();
    QVERIFY(!windowRegistry().openHoravaneWindow);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY2(digital.isNull(), "a closed window's controller must be released");

    g_log.clear();
    ClockUpdate::shared().tick();
    QCOMPARE(g_log, QStringList{u"analog"_s});
}

// The digital window's refresh closes the analog window: the analog slot is read after the
// digital refresh, so it is skipped, and the digital controller lives to the end of its call.
void TestClockUpdate::windowClosedDuringTickIsSkippedAndSurvivesTheCall()
{
    RecordingWindow *digital = open(u"digital"_s, &WindowRegistry::openHoravaneWindow);
    QPointer<RecordingWindow> analog = open(u"analog"_s, &WindowRegistry::openAnalogWindow);
    bool aliveAfterOwnClose = false;
    QPointer<RecordingWindow> self = digital;
    digital->onUpdate = [&] {
        analog->window()->close();
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
