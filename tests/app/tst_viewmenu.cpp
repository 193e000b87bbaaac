#include "ClockWindows.h"

#include "analog/AnalogClockWindow.h"
#include "app/AppDelegate.h"
#include "app/AppMenu.h"
#include "digital/HoravaneWindow.h"
#include "look/NightVision.h"
#include "look/RedOnlyStyle.h"
#include "preferences/AppPreferences.h"
#include "preferences/SettingsKeys.h"
#include "targets/TargetStore.h"

#include <AppUtils/Donation.h>

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QTableWidget>
#include <QTest>
#include <QToolTip>

#include <functional>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// The first pixel of window's picture with any green or blue, as "x,y: r g b"; empty if none.
QString firstNonRedPixel(QWidget &window)
{
    const QImage picture = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (const QRgb p = picture.pixel(x, y); qGreen(p) || qBlue(p))
                return u"%1,%2: %3 %4 %5"_s.arg(x).arg(y).arg(qRed(p)).arg(qGreen(p)).arg(qBlue(p));
    return {};
}

QWidget &shown(Platform::WindowController &controller)
{
    controller.showWindow();
    return *controller.window();
}

QWidget &topLevelOf(const char *className)
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->inherits(className) && widget->isVisible())
            return *widget;
    qFatal("no visible %s", className);
}

} // namespace

class tst_ViewMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        NightVision::shared().install();
        m_delegate.emplace();
        m_menu.emplace(*m_delegate);
    }
    void cleanupTestCase()
    {
        NightVision::shared().setOn(false);
        releaseClockWindows();
    }

    // Premultiplied pixels in, out; a red keeps its value, anything else its brightest channel.
    void keepsOnlyRed_data()
    {
        QTest::addColumn<QRgb>("pixel");
        QTest::addColumn<int>("ceiling");
        QTest::addColumn<QRgb>("expected");
        QTest::newRow("red stays") << qRgba(120, 0, 0, 255) << 160 << qRgba(120, 0, 0, 255);
        QTest::newRow("white capped") << qRgba(255, 255, 255, 255) << 160 << qRgba(160, 0, 0, 255);
        QTest::newRow("faint white") << qRgba(30, 30, 30, 30) << 160 << qRgba(18, 0, 0, 30);
        QTest::newRow("blue to red") << qRgba(0, 40, 90, 255) << 255 << qRgba(90, 0, 0, 255);
        QTest::newRow("clear") << qRgba(0, 0, 0, 0) << 255 << qRgba(0, 0, 0, 0);
    }
    void keepsOnlyRed()
    {
        QFETCH(QRgb, pixel);
        QFETCH(int, ceiling);
        QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
        image.setPixel(0, 0, pixel);
        QFETCH(QRgb, expected);
        keepRedOnly(image, ceiling);
        QCOMPARE(image.pixel(0, 0), expected);
    }

    // Every picture the program makes, each brightness: not one pixel with green or blue.
    void everyWindowIsRed_data()
    {
        QTest::addColumn<NightBrightness>("brightness");
        QTest::addColumn<std::function<QWidget &(tst_ViewMenu &)>>("open");
        using Open = std::function<QWidget &(tst_ViewMenu &)>;
        const std::pair<const char *, Open> windows[]{
            {"digital, details", [](tst_ViewMenu &t) -> QWidget & {
                 t.m_delegate->setDetailsShown(true);
                 return t.clockWindow(&WindowRegistry::openHoravaneWindow);
             }},
            {"analog", [](tst_ViewMenu &t) -> QWidget & { return t.clockWindow(&WindowRegistry::openAnalogWindow); }},
            {"targets", [](tst_ViewMenu &t) -> QWidget & {
                 saveTargets(AppUtils::Defaults(), std::vector<TargetLine>{Target{u"M42"_s, 5.5881, -5.3911}});
                 return t.clockWindow(&WindowRegistry::openTargetsWindow);
             }},
            {"tonight", [](tst_ViewMenu &t) -> QWidget & {
                 QWidget &window = t.clockWindow(&WindowRegistry::openTonightWindow);
                 auto night = std::make_shared<Night>();
                 night->events[0] = SkyInstant(std::chrono::seconds(1796828400));
                 ClockReading reading;
                 reading.observer = ObserverPosition{52.5, 13.4};
                 reading.night = night;
                 reading.sky = SkyNow{};
                 ClockUpdate::shared().show(reading);
                 return window;
             }},
            {"alarms", [](tst_ViewMenu &t) -> QWidget & {
                 AppUtils::Defaults().saveString(SettingsKeys::alarms, u"garbage\ntarget\t0\tM42\t10\tFlip M42\n"_s);
                 QWidget &window = t.clockWindow(&WindowRegistry::openAlarmsWindow);
                 static_cast<QMainWindow &>(window).findChild<QTableWidget *>()->selectRow(1);
                 return window;
             }},
            {"general pane", [](tst_ViewMenu &) -> QWidget & {
                 sharedPreferences().window().selectPane(0);
                 return shown(sharedPreferences().window());
             }},
            {"updates pane", [](tst_ViewMenu &) -> QWidget & {
                 sharedPreferences().window().selectPane(1);
                 return shown(sharedPreferences().window());
             }},
            {"donation", [](tst_ViewMenu &) -> QWidget & {
                 AppUtils::Donation::newDonation(HORAVANE_SOURCE_DIR "/resources/donation.rtf"_L1, QUrl(u"https://horavane.org/donate"_s));
                 AppUtils::Donation::shared()->showWindow();
                 return *AppUtils::Donation::shared();
             }},
            {"message box", [](tst_ViewMenu &t) -> QWidget & {
                 t.m_box.setWindowModality(Qt::NonModal); // the other rows' windows stay usable
                 t.m_box.setIcon(QMessageBox::Information);
                 t.m_box.setText(u"<h3>Horavane</h3><p><a href=\"https://horavane.org\">horavane.org</a></p>"_s);
                 t.m_box.show();
                 return t.m_box;
             }},
            {"view menu", [](tst_ViewMenu &t) -> QWidget & {
                 auto &window = static_cast<QMainWindow &>(t.clockWindow(&WindowRegistry::openAnalogWindow));
                 QMenu *view = window.menuBar()->actions().at(1)->menu();
                 view->popup(window.geometry().center());
                 return *view;
             }},
            {"tooltip", [](tst_ViewMenu &t) -> QWidget & {
                 QWidget &window = t.clockWindow(&WindowRegistry::openHoravaneWindow);
                 QToolTip::showText(window.geometry().center(), u"Local sidereal time"_s, &window, {}, 60000);
                 return topLevelOf("QTipLabel");
             }},
            {"file dialog", [](tst_ViewMenu &t) -> QWidget & {
                 t.m_files.setOptions(NightVision::shared().fileDialogOptions());
                 t.m_files.setDirectory(HORAVANE_SOURCE_DIR "/resources"_L1);
                 t.m_files.show();
                 return t.m_files;
             }},
        };
        for (const auto brightness : {NightBrightness::dim, NightBrightness::bright})
            for (const auto &[name, open] : windows)
                QTest::addRow("%s, %d", name, int(brightness)) << brightness << open;
    }
    void everyWindowIsRed()
    {
        QFETCH(NightBrightness, brightness);
        QFETCH(std::function<QWidget &(tst_ViewMenu &)>, open);
        while (QWidget *menu = QApplication::activePopupWidget()) // a tooltip does not show over a menu
            menu->close();
        NightVision::shared().setBrightness(brightness);
        NightVision::shared().setOn(true);
        QCoreApplication::processEvents(); // the new palette reaches every widget
        QWidget &window = open(*this); // grabbed at once: a tooltip goes at the first stray event
        QVERIFY(window.isVisible());
        QCOMPARE(firstNonRedPixel(window), QString());
    }

    // Off again, the desktop's palette and every pixel come back as they were.
    void leavingRestoresTheDesktop()
    {
        const auto nightVision = [](bool on) {
            NightVision::shared().setOn(on);
            QCoreApplication::processEvents();
        };
        nightVision(false);
        QWidget &window = clockWindow(&WindowRegistry::openAnalogWindow);
        const QPalette desktop = QApplication::palette();
        const QImage before = window.grab().toImage();
        nightVision(true);
        QVERIFY(window.grab().toImage() != before);
        nightVision(false);
        QCOMPARE(QApplication::palette(), desktop);
        QVERIFY(!QCoreApplication::testAttribute(Qt::AA_SetPalette));
        QCOMPARE(window.grab().toImage(), before);
    }

    // F11 fills the screen with the clock window in front, and F11 or Escape gives it back.
    void fullScreenComesAndGoes_data()
    {
        QTest::addColumn<int>("leaveKey");
        QTest::newRow("F11") << int(Qt::Key_F11);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }
    void fullScreenComesAndGoes()
    {
        QFETCH(int, leaveKey);
        QWidget &window = clockWindow(&WindowRegistry::openHoravaneWindow);
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyPress(window.windowHandle(), Qt::Key_F11); // as the window system delivers keys
        QVERIFY(window.isFullScreen());
        QTest::keyClick(window.windowHandle(), Qt::Key(leaveKey));
        QVERIFY(!window.isFullScreen());
    }

private:
    QWidget &clockWindow(ClockWindow::Slot slot)
    {
        if (slot == &WindowRegistry::openHoravaneWindow)
            m_delegate->showHoravane();
        else if (slot == &WindowRegistry::openTonightWindow)
            m_delegate->showTonight();
        else if (slot == &WindowRegistry::openAlarmsWindow)
            m_delegate->showAlarms();
        else
            slot == &WindowRegistry::openAnalogWindow ? m_delegate->showAnalog() : m_delegate->showTargets();
        QWidget &window = *(windowRegistry().*slot)->window();
        m_menu->install(static_cast<QMainWindow &>(window));
        return window;
    }

    std::optional<AppDelegate> m_delegate;
    std::optional<AppMenu> m_menu;
    QMessageBox m_box;
    QFileDialog m_files;
};

QTEST_MAIN(tst_ViewMenu)
#include "tst_viewmenu.moc"
