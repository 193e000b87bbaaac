#pragma once

#include "engine/ClockReading.h"

#include <QWidget>

class QFormLayout;
class QPushButton;
namespace Extensions {
class Readout;
}

// The read-outs astronomers ask for beyond the clock's own: UT1 − UTC and where it comes from,
// Greenwich mean and apparent and local mean sidereal time, the Julian dates, the system
// clock's health, the leap-second table and, with gpsd as the source, the GPS receiver. Each second it only formats the tick's reading.
class DetailsPanel : public QWidget
{
    Q_OBJECT

public:
    explicit DetailsPanel(QWidget *parent = nullptr);

    void show(const ClockReading &reading);

    // The texts of the rows, also for the tests.
    static QString ut1Text(const Ut1Source &ut1);
    // What the Earth-orientation download is doing, or why it failed; empty when nothing.
    static QString downloadText(const EarthOrientationDownloadState &download);
    // What the synchronisation daemon says when one does, else what the kernel says.
    static QString clockText(const std::optional<ClockHealth> &clock, const std::optional<ClockSync> &sync = {});
    static QString syncText(const ClockSync &sync);
    // The GPS row: the fix, the satellites used and the GPS's time against the clock.
    static QString gpsText(const std::optional<GpsState> &gps);
    // What the "System clock:" row says instead when the GPS's time is more than 0.5 s
    // from the clock's; empty otherwise.
    static QString gpsClockText(const std::optional<GpsState> &gps);
    static QString leapSecondText(std::optional<double> taiMinusUtc, const LeapSecondState &table);
    // Seconds since sidereal midnight as "HH:MM:SS.s", the tenth truncated; empty outside [0, 86400).
    static QString tenthsText(const std::optional<double> &seconds);

Q_SIGNALS:
    // "Download from the IERS" was pressed: DUT1 is assumed or stale and downloads are off.
    void downloadWanted();

protected:
    void changeEvent(QEvent *event) override;

private:
    Extensions::Readout *addRow(const QString &label, const QString &description);
    // A quieter line under a row, saying why a source was set aside.
    Extensions::Readout *addProblemLine(const QString &description);
    void colourClockRow();
    void showDownload(const Ut1Source &ut1, const EarthOrientationDownloadState &download);
    // The GPS row, and the clock row's word from the GPS, remade when what they show changes.
    void showGps(const ClockReading &reading);
    static void showProblem(Extensions::Readout &line, const QString &problem);

    QFormLayout *m_rows;
    Extensions::Readout *m_ut1;
    Extensions::Readout *m_ut1Problem;
    QWidget *m_downloadRow;
    Extensions::Readout *m_downloadLine;
    QPushButton *m_downloadButton;
    Extensions::Readout *m_greenwichMean;
    Extensions::Readout *m_greenwichApparent;
    Extensions::Readout *m_localMean;
    Extensions::Readout *m_julianDate;
    Extensions::Readout *m_modifiedJulianDate;
    Extensions::Readout *m_clock;
    Extensions::Readout *m_leapSeconds;
    Extensions::Readout *m_leapSecondProblem;
    Extensions::Readout *m_scriptingProblem;
    Extensions::Readout *m_gps;
    bool m_clockSynchronised = false;
    // What the clock row shows now: the daemon's word, or the kernel's when there is none, and
    // the GPS's word over either; none before the first reading.
    std::optional<std::tuple<std::optional<ClockHealth>, std::optional<ClockSync>, QString>> m_clockShown;
    std::optional<GpsState> m_shownGps; // as the GPS row shows it, the offset to a tenth
    bool m_gpsRowShown = false;
    QString m_gpsClock; // gpsClockText() of m_shownGps
};

// Where in an ISO 8601 time text ("…T20:36:41.123Z") the digits an error bound makes
// meaningless are: {start, length}, length 0 for none (and without a bound). The decimal point
// goes with them once the seconds do.
std::pair<int, int> meaninglessSpan(std::optional<std::chrono::microseconds> bound);
