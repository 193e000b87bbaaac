#include "NightVision.h"

#include "RedOnlyStyle.h"

#include <QApplication>
#include <QToolTip>

NightVision &NightVision::shared()
{
    static NightVision instance;
    return instance;
}

void NightVision::install()
{
    if (!m_style) {
        m_style = new RedOnlyStyle(QApplication::style());
        QApplication::setStyle(m_style);
    }
}

void NightVision::setOn(bool on)
{
    if (on == m_on)
        return;
    if (on)
        m_desktopToolTips = QToolTip::palette();
    m_on = on;
    apply();
}

void NightVision::setBrightness(NightBrightness brightness)
{
    if (brightness == m_brightness)
        return;
    m_brightness = brightness;
    if (m_on)
        apply();
    else
        Q_EMIT changed();
}

QFileDialog::Options NightVision::fileDialogOptions() const
{
    return m_on ? QFileDialog::DontUseNativeDialog : QFileDialog::Options();
}

// The style first: the palette change repaints every widget, which then draws through it.
void NightVision::apply()
{
    install();
    if (m_on) {
        m_style->setRedCeiling(brightestRed(m_brightness));
        const QPalette night = nightPalette(m_brightness);
        QToolTip::setPalette(night);
        QApplication::setPalette(night);
    } else {
        m_style->setRedCeiling(std::nullopt);
        QToolTip::setPalette(m_desktopToolTips);
        QApplication::setPalette(QPalette()); // an empty palette hands back the desktop's own
    }
    Q_EMIT changed();
}
