// The tool bar icons of the preferences window where the desktop's icon theme has none:
// "preferences-system" (a gear) and "system-software-update" (a circular arrow), each in a
// variant for light and one for dark palettes. They form icon themes of their own, under
// :/icons, which QIcon always searches; the one for the current palette is QIcon's fallback
// theme, so QIcon::fromTheme() finds them after the desktop's theme. Icons made before a
// palette change redraw in the other variant after it.

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QPalette>
#include <QPointer>

namespace Preferences::FallbackIcons {
namespace {

// The variant that shows on the application palette now.
const char *themeName()
{
    // Dark ink on a light window, light ink on a dark one.
    return QGuiApplication::palette().color(QPalette::Window).lightness() < 128 ? "preferences-fallback-dark"
                                                                                : "preferences-fallback-light";
}

// Points QIcon at the variant for the current palette, now and after each palette change.
class PaletteFollower final : public QObject
{
public:
    explicit PaletteFollower(QObject &application)
        : QObject(&application)
    {
        application.installEventFilter(this);
        follow();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() && event->type() == QEvent::ApplicationPaletteChange)
            follow();
        return false;
    }

private:
    static void follow()
    {
        const QString name = QString::fromLatin1(themeName());
        if (name == QIcon::fallbackThemeName())
            return;
        QIcon::setFallbackThemeName(name);
        // Changing the fallback alone leaves icons already looked up as they were; setting
        // the search paths makes every themed icon look itself up again at its next paint.
        QIcon::setThemeSearchPaths(QIcon::themeSearchPaths());
    }
};

// Installs the fallback once, for the life of the application; nothing without a GUI.
void install()
{
    static QPointer<PaletteFollower> follower;   // gone with the application it follows
    auto *application = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (application && !follower)
        follower = new PaletteFollower(*application);
}

// Before main() builds any pane: a pane asks for its icon when it is made.
Q_COREAPP_STARTUP_FUNCTION(install)

} // namespace
} // namespace Preferences::FallbackIcons
