#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>
#include <variant>
#include <vector>

// How far a value of UT1 − UTC can be trusted, best first.
enum class Ut1Quality {
    observed, // a measured row of the file
    predicted, // a predicted row of the file, or the last row held for up to 30 days
    extrapolated, // Bulletin A's own formula, past the end of its table
    stale, // the last row held more than 30 days past its date
};

// UT1 − UTC at one instant, from one Earth-orientation table.
struct Ut1Estimate
{
    double seconds = 0;
    Ut1Quality quality = Ut1Quality::observed;
    std::optional<double> accuracy; // seconds (1σ), where the file gives a formula for it
};

// One day of the table: UT1 − UTC at 0h UTC of that day.
struct EarthOrientationRow
{
    int mjd = 0;
    double ut1MinusUtc = 0; // seconds, a whole leap second stepped after a leap second
    bool predicted = false;
};

// Bulletin A's formulas for extending its predictions beyond its table:
//   UT1 − UTC = offset + rate (MJD − rateOrigin) − (UT2 − UT1), UT2 − UT1 the seasonal model
//   S = accuracyScale (MJD − accuracyOrigin)^accuracyPower seconds
struct Ut1Extrapolation
{
    double offset = 0;
    double rate = 0;
    int rateOrigin = 0;
    std::optional<double> accuracyScale; // the accuracy formula, when the bulletin gives it
    double accuracyPower = 0;
    int accuracyOrigin = 0;
};

// A table of UT1 − UTC from the IERS: a Bulletin A (ser7.dat) or a finals file
// (finals2000A.data, .daily, .all, finals.all), recognised by what it holds, not its name.
class EarthOrientation
{
public:
    enum class Format { bulletinA, finals };

    // Files larger than this are refused unread: finals2000A.all is under 4 MiB.
    static constexpr qsizetype maximumSize = 16 * 1024 * 1024;

    // The table in text, or one line saying why it is not one: not a known format, truncated,
    // too large, rows out of order or with a day missing, a |UT1 − UTC| above 0.9 s.
    static std::variant<EarthOrientation, QString> parse(QByteArrayView text);

    Format format() const { return m_format; }
    const std::vector<EarthOrientationRow> &rows() const { return m_rows; } // one per day, in order
    const std::optional<Ut1Extrapolation> &extrapolation() const { return m_extrapolation; }

    // UT1 − UTC at mjd (UTC, with the fraction of the day), interpolated linearly between the
    // rows with a leap second's step taken out, so that the day before a leap second runs
    // smoothly into the second itself. Past the last row: the extrapolation where the file
    // has one (for a year; its value then held as stale), else the last value held. nullopt
    // before the first row or for a non-finite mjd.
    std::optional<Ut1Estimate> at(double mjd) const;

private:
    Format m_format = Format::finals;
    std::vector<EarthOrientationRow> m_rows;
    std::optional<Ut1Extrapolation> m_extrapolation;
    double m_extrapolationSteps = 0; // leap seconds within the predictions, which the formula leaves out
};
