#include "HoravaneWindow.h"

#include "IsoTime.h"
#include "ui_HoravaneWindow.h"
#include "engine/CivilTime.h"
#include "engine/WindowRegistry.h"

#include <Platform/FrameAutosave.h>

#include <QFontDatabase>

HoravaneWindow::HoravaneWindow(const AppUtils::Clock &clock)
    : m_clock(clock)
    , m_ui(std::make_unique<Ui::HoravaneWindow>())
{
}

HoravaneWindow::~HoravaneWindow() = default;

void HoravaneWindow::loadWindow(QMainWindow &window)
{
    m_ui->setupUi(&window);
    // Fixed-width digits, so that the text does not shift sideways every second.
    QFont readoutFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    readoutFont.setPointSizeF(readoutFont.pointSizeF() * 1.15);
    for (QLabel *readout : {m_ui->m_localtime, m_ui->m_utc, m_ui->m_localsidereal, m_ui->m_location,
                            m_ui->m_locn_source})
        readout->setFont(readoutFont);
}

void HoravaneWindow::windowDidLoad()
{
    Platform::FrameAutosave::attach(*window(), window()->windowTitle());
    windowRegistry().openHoravaneWindow = shared_from_this();
}

void HoravaneWindow::windowWillClose()
{
    windowRegistry().openHoravaneWindow.reset();
}

void HoravaneWindow::update()
{
    const auto now = m_clock.now();
    m_ui->m_utc->setText(isoText(now, 0));
    m_ui->m_localtime->setText(isoText(now, localUtcOffsetSeconds(now)));
}
