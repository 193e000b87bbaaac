#pragma once

#include "NightPalette.h"

#include <QFileDialog>
#include <QObject>
#include <QPalette>

class RedOnlyStyle;

// Night vision over the whole application: while it is on, every window, dialog, menu and
// tooltip draws in reds only (the night palette, and the style kept to red), and the program's
// own file dialog replaces the desktop's, which would stay white. Off, the desktop's palette
// comes back exactly as the desktop gives it.
class NightVision : public QObject
{
    Q_OBJECT

public:
    static NightVision &shared();

    // Puts the red-only style between the application and its style; before any window shows.
    void install();

    bool isOn() const { return m_on; }
    NightBrightness brightness() const { return m_brightness; }
    void setOn(bool on);
    void setBrightness(NightBrightness brightness);

    // Options for a file dialog now: the program's own dialog while night vision is on.
    QFileDialog::Options fileDialogOptions() const;

Q_SIGNALS:
    void changed();

private:
    void apply();

    RedOnlyStyle *m_style = nullptr; // owned by the application
    bool m_on = false;
    NightBrightness m_brightness = NightBrightness::medium;
    QPalette m_desktopToolTips; // set apart from the application palette, so kept aside
};
