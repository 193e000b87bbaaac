#include "FollowLine.h"

#include "engine/AlarmWatch.h"

#include <AppUtils/Digits.h>

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

bool isHoursKey(QStringView key)
{
    return key == "gmst"_L1 || key == "gast"_L1 || key == "lmst"_L1 || key == "last"_L1;
}

QString templateError(const QString &why)
{
    return QCoreApplication::translate("LineTemplate", "--format: %1").arg(why);
}

} // namespace

QString LineTemplate::standard()
{
    return u"LST {last:hms} · UTC {utc:time}"_s;
}

std::variant<LineTemplate, QString> LineTemplate::parse(QStringView text)
{
    LineTemplate parsed;
    Piece piece;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool doubled = i + 1 < text.size() && text[i + 1] == c;
        if (c == u'}') {
            if (!doubled)
                return templateError(QCoreApplication::translate("LineTemplate", "a '}' without its '{' (write }} for a brace)"));
            piece.literal += c;
            ++i;
            continue;
        }
        if (c != u'{') {
            piece.literal += c;
            continue;
        }
        if (doubled) {
            piece.literal += c;
            ++i;
            continue;
        }
        const qsizetype end = text.indexOf(u'}', i);
        if (end < 0)
            return templateError(QCoreApplication::translate("LineTemplate", "a '{' without its '}' (write {{ for a brace)"));
        const QStringView field = text.sliced(i + 1, end - i - 1);
        const qsizetype colon = field.indexOf(u':');
        piece.key = field.first(colon < 0 ? field.size() : colon).toString();
        const QStringView form = colon < 0 ? QStringView() : field.sliced(colon + 1);
        if (!isSnapshotKey(piece.key))
            return templateError(QCoreApplication::translate("LineTemplate", "no key '%1'").arg(piece.key));
        if (form.isNull())
            piece.form = Form::plain;
        else if (form == "hms"_L1 && isHoursKey(piece.key))
            piece.form = Form::hms;
        else if (form == "time"_L1 && piece.key == "utc"_L1)
            piece.form = Form::time;
        else
            return templateError(QCoreApplication::translate("LineTemplate", "no form '%1' for '%2' (hms goes with "
                                                                             "gmst, gast, lmst and last, time with utc)")
                                     .arg(form.toString(), piece.key));
        parsed.m_pieces.push_back(std::move(piece));
        piece = {};
        i = end;
    }
    if (!piece.literal.isEmpty())
        parsed.m_pieces.push_back(std::move(piece));
    return parsed;
}

QString LineTemplate::textOf(const std::vector<SnapshotEntry> &snapshot) const
{
    QString text;
    for (const Piece &piece : m_pieces) {
        text += piece.literal;
        if (piece.key.isEmpty())
            continue;
        const auto entry = std::find_if(
            snapshot.begin(), snapshot.end(), [&piece](const SnapshotEntry &e) { return e.key == piece.key; });
        const bool known = entry != snapshot.end() && entry->value.isValid();
        switch (piece.form) {
        case Form::plain:
            text += known ? snapshotValueText(entry->value) : u"--"_s;
            break;
        case Form::hms:
            // The hours carry the second's seconds over 3600: a hair keeps 5.000… s from
            // reading back as 4.999… and losing a second.
            if (known)
                AppUtils::appendClock(text, static_cast<int>(std::floor(entry->value.toDouble() * 3600 + 1e-7)) % 86400);
            else
                text += u"--:--:--"_s;
            break;
        case Form::time: // YYYY-MM-DDTHH:MM:SS…
            text += known ? entry->value.toString().sliced(11, 8) : u"--:--:--"_s;
            break;
        }
    }
    return text;
}

QString healthClass(const ClockReading &reading)
{
    if (!reading.siderealSeconds)
        return u"no-position"_s;
    if (hasTrouble(reading, ClockTrouble::unsynchronised))
        return u"unsynchronised"_s;
    if (hasTrouble(reading, ClockTrouble::earthOrientationStale))
        return u"ut1-stale"_s;
    return u"ok"_s;
}

QByteArray waybarJson(const QString &text, const std::vector<SnapshotEntry> &snapshot, const QString &health)
{
    const QJsonObject object{
        {u"text"_s, text},
        {u"tooltip"_s, QString::fromUtf8(snapshotLines(snapshot)).trimmed()},
        {u"class"_s, health},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}
