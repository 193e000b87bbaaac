#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QVariant>

// The text of an INI settings file as QSettings reads it, edited a key at a time so that
// everything else a person wrote (comments, blank lines, order, keys of others) stays as it was.
namespace AppUtils::IniText {

// One logical line of an INI text: [start, end), '=' at equals (or -1).
struct Line
{
    qsizetype start;
    qsizetype end;
    qsizetype equals;
};

// Calls visit for each logical line of data, split as QSettings splits them: a line ends at an
// unquoted line break, or at a ';' after its start (a comment follows); a backslash takes the
// next character with it; a quoted stretch runs on across line breaks. Blank and comment lines
// are skipped.
template <typename Visit>
void forEachLine(QByteArrayView data, Visit visit)
{
    const qsizetype size = data.size();
    qsizetype i = 0;
    while (i < size) {
        while (i < size && (data[i] == ' ' || data[i] == '\t' || data[i] == '\n' || data[i] == '\r'))
            ++i;
        if (i < size && data[i] == ';') {
            while (i < size && data[i] != '\n' && data[i] != '\r')
                ++i;
            continue;
        }
        Line line{i, i, -1};
        bool quoted = false;
        for (; i < size; ++i) {
            const char ch = data[i];
            if ((ch == '\n' || ch == '\r' || ch == ';') && !quoted)
                break;
            if (ch == '=' && !quoted && line.equals < 0) {
                line.equals = i;
            } else if (ch == '"') {
                quoted = !quoted;
            } else if (ch == '\\' && i + 1 < size) {
                ++i; // the escaped character, a line break too: "\r\n" and "\n\r" count as one
                if (i + 1 < size && (data[i] == '\n' || data[i] == '\r') && (data[i + 1] == '\n' || data[i + 1] == '\r')
                    && data[i] != data[i + 1])
                    ++i;
            }
        }
        line.end = i;
        if (line.end > line.start)
            visit(line);
    }
}

// Whether data is UTF-8 text without control characters but tab and line breaks.
bool isText(QByteArrayView data);

// Whether QSettings finds key in data.
bool holds(QByteArrayView data, const QString &key);

// The name of a [section] header line's section; empty for [General], as QSettings takes it.
QString sectionName(QByteArrayView header);

// value as QSettings writes it: a QString (text starting with '@' doubled), a list of them, a QByteArray as
// "@ByteArray(…)", a QSize as "@Size(w h)". Control characters, and in byte arrays every byte
// beyond ASCII, are \x escapes; quoted when a ';', ',' or '=' or an outer space would be misread.
QByteArray encodedValue(const QVariant &value);

// data with key (groups separated by '/', "Donation/hideAtLaunch") set to encoded: the value of
// the line QSettings takes for key replaced in place, or a new line at the end of key's
// section, or a new section at the end.
QByteArray withValue(QByteArrayView data, const QString &key, QByteArrayView encoded);

} // namespace AppUtils::IniText
