#pragma once

#include "Snapshot.h"

#include <QString>

#include <variant>
#include <vector>

// The text of one --follow line: literal text with snapshot keys in braces, each in a form.
//   {key}       the value as a "key: value" line writes it; "--" when the reading lacks it
//   {key:hms}   an hours-valued key (gmst, gast, lmst, last) as HH:MM:SS, seconds truncated;
//               "--:--:--" when the reading lacks it
//   {key:time}  the ISO 8601 key utc as HH:MM:SS; "--:--:--" when the reading lacks it
//   {{ and }}   a brace
class LineTemplate
{
public:
    // The template of the default line, "LST 05:12:33 · UTC 21:40:07".
    static QString standard();

    // The template, or one line saying why text is not one (translated).
    static std::variant<LineTemplate, QString> parse(QStringView text);

    // The line for snapshot, without its newline.
    QString textOf(const std::vector<SnapshotEntry> &snapshot) const;

private:
    enum class Form { plain, hms, time };
    struct Piece
    {
        QString literal; // written before the key
        QString key; // none after the last literal
        Form form = Form::plain;
    };
    std::vector<Piece> m_pieces;
};

// How the clock is doing, for a panel to colour: "no-position" (no local sidereal time),
// "unsynchronised" (the kernel does not say the system clock is synchronised),
// "ut1-stale" (the Earth-orientation file is past its predictions), or "ok".
QString healthClass(const ClockReading &reading);

// The object Waybar's custom module reads (return-type json), one line: text, the snapshot's
// "key: value" lines as the tooltip, and the health as the class.
QByteArray waybarJson(const QString &text, const std::vector<SnapshotEntry> &snapshot, const QString &health);
