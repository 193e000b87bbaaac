#pragma once

#include <AppUtils/LaunchAtLogin.h>

#include <QGuiApplication>
#include <QIcon>
#include <QLatin1StringView>

// Horavane's application id: the name of its installed desktop entry and icon, and the name
// the desktop's services (the location service, the session) know it by.
inline constexpr QLatin1StringView applicationId{"org.horavane.Horavane"};

// Tells Qt, and through it the frameworks, which program this is. Every name they derive
// stays what earlier versions used: the settings in ~/.config/Horavane/Horavane.conf, the
// login entry ~/.config/autostart/horavane.desktop marked X-Horavane-Autostart, the
// resources in share/horavane, messages on stderr after "horavane: ". Call before any of
// them is used.
inline void nameApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Horavane"));
    QCoreApplication::setApplicationName(QStringLiteral("Horavane"));
    QGuiApplication::setDesktopFileName(applicationId);
    AppUtils::LaunchAtLogin::setComment(QStringLiteral("Civil time, UTC and local sidereal time for astronomers"));
}

// The icon of every window: the desktop theme's, else the one built into the program. Looking
// it up reads the icon themes and decodes images, so it waits until the clocks are on screen.
inline void setApplicationIcon()
{
    QIcon bundledIcon;
    for (const char *size : {"32x32", "64x64", "256x256"})
        bundledIcon.addFile(QStringLiteral(":/icons/") + QLatin1StringView(size) + u'/' + applicationId + u".png");
    QGuiApplication::setWindowIcon(QIcon::fromTheme(applicationId, bundledIcon));
}
