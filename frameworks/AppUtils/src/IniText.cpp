#include "IniText.h"

#include "HexDigit.h"

#include <QSize>
#include <QStringDecoder>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace AppUtils::IniText {

namespace {

// A key or section as written in the file: %XX and %UXXXX are characters, a backslash a '/'.
QString unescapedKey(QByteArrayView text)
{
    QString key;
    QByteArray run; // plain bytes, UTF-8
    const auto flush = [&] { key += QString::fromUtf8(std::exchange(run, {})); };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        const qsizetype digits = i + 1 < text.size() && text[i + 1] == 'U' ? 4 : 2;
        const qsizetype from = digits == 4 ? i + 2 : i + 1;
        int code = 0;
        bool escaped = ch == '%' && from + digits <= text.size();
        for (qsizetype d = 0; escaped && d < digits; ++d) {
            const int value = hexValue(text[from + d]);
            escaped = value >= 0;
            code = code * 16 + value;
        }
        if (escaped) {
            flush();
            key += QChar(char16_t(code));
            i = from + digits - 1;
        } else if (ch == '\\') {
            run += '/';
        } else {
            run += ch;
        }
    }
    flush();
    return key;
}

// A key or section as QSettings writes it.
QByteArray escapedKey(QStringView key)
{
    QByteArray text;
    for (const QChar ch : key) {
        const char16_t c = ch.unicode();
        if (c == u'/')
            text += '\\';
        else if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_'
            || c == u'-' || c == u'.')
            text += char(c);
        else if (c <= 0xff)
            text += '%' + QByteArray::number(c, 16).rightJustified(2, '0').toUpper();
        else
            text += "%U" + QByteArray::number(c, 16).rightJustified(4, '0').toUpper();
    }
    return text;
}

// text as QSettings' reader takes it back exactly. bytes: every character is a byte (latin-1).
QByteArray escapedText(QStringView text, bool bytes)
{
    QString out;
    bool quote = text.startsWith(u' ') || text.endsWith(u' ');
    bool afterHex = false; // a \x escape reads on while hex digits follow
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        quote = quote || c == u';' || c == u',' || c == u'=';
        if (c < 0x20 || c == 0x7f || (bytes && c >= 0x80) || (afterHex && hexValue(char(c < 0x80 ? c : 0)) >= 0)) {
            out += u"\\x"_s + QString::number(c, 16);
            afterHex = true;
            continue;
        }
        afterHex = false;
        if (c == u'"' || c == u'\\')
            out += u'\\';
        out += ch;
    }
    const QByteArray encoded = out.toUtf8();
    return quote ? '"' + encoded + '"' : encoded;
}

// Where the line holding [at, …) ends, its line break included.
qsizetype endOfPhysicalLine(QByteArrayView data, qsizetype at)
{
    const qsizetype lineBreak = data.indexOf('\n', at);
    return lineBreak < 0 ? data.size() : lineBreak + 1;
}

} // namespace

QString sectionName(QByteArrayView header)
{
    const qsizetype close = header.indexOf(']');
    const QString name = unescapedKey(header.sliced(1, (close < 0 ? header.size() : close) - 1).trimmed());
    return name.compare("general"_L1, Qt::CaseInsensitive) == 0 ? QString() : name;
}

QByteArray encodedValue(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QByteArray:
        return "@ByteArray(" + escapedText(QString::fromLatin1(value.toByteArray()), true) + ')';
    case QMetaType::QStringList: {
        QByteArrayList items;
        for (const QString &item : value.toStringList())
            items.append(escapedText(item, false));
        return items.join(", ");
    }
    case QMetaType::QSize: {
        const QSize size = value.toSize();
        return "@Size(" + QByteArray::number(size.width()) + ' ' + QByteArray::number(size.height()) + ')';
    }
    default: {
        const QString text = value.toString();
        return escapedText(text.startsWith(u'@') ? u'@' + text : text, false);
    }
    }
}

namespace {

// Where key stands in data, as QSettings reads it.
struct Place
{
    QString section; // key's first group; empty for [General]
    QString name; // the rest of key
    std::optional<Line> found; // the line QSettings takes key from: the last one
    std::optional<qsizetype> sectionEnd; // after the section's last line, for a new key
};

Place locate(QByteArrayView data, const QString &key)
{
    const qsizetype slash = key.indexOf(u'/');
    Place place{slash < 0 ? QString() : key.first(slash), slash < 0 ? key : key.sliced(slash + 1), {}, {}};
    if (place.section.isEmpty())
        place.sectionEnd = 0; // keys before any section are General's
    QString current;
    forEachLine(data, [&](const Line &line) {
        const QByteArrayView text = data.sliced(line.start, line.end - line.start);
        if (text.startsWith('[')) {
            current = sectionName(text);
            if (current == place.section)
                place.sectionEnd = endOfPhysicalLine(data, line.end);
        } else if (current == place.section && line.equals >= 0) {
            place.sectionEnd = endOfPhysicalLine(data, line.end);
            if (unescapedKey(data.sliced(line.start, line.equals - line.start).trimmed()) == place.name)
                place.found = line;
        }
    });
    return place;
}

} // namespace

bool holds(QByteArrayView data, const QString &key)
{
    return locate(data, key).found.has_value();
}

bool isText(QByteArrayView data)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(data);
    return !utf8.hasError() && std::none_of(text.cbegin(), text.cend(), [](QChar ch) {
        return ch.category() == QChar::Other_Control && ch != u'\t' && ch != u'\n' && ch != u'\r';
    });
}

QByteArray withValue(QByteArrayView data, const QString &key, QByteArrayView encoded)
{
    const auto [section, name, found, sectionEnd] = locate(data, key);
    if (found) {
        qsizetype from = found->equals + 1;
        while (from < found->end && (data[from] == ' ' || data[from] == '\t'))
            ++from;
        qsizetype to = found->end;
        while (to > from && (data[to - 1] == ' ' || data[to - 1] == '\t'))
            --to;
        QByteArray result = data.first(from).toByteArray();
        result += encoded;
        result += data.sliced(to);
        return result;
    }
    const QByteArray entry = escapedKey(name) + '=' + encoded + '\n';
    if (sectionEnd && (*sectionEnd > 0 || !section.isEmpty())) {
        QByteArray result = data.first(*sectionEnd).toByteArray();
        if (!result.endsWith('\n')) // the file's last line, unended
            result += '\n';
        result += entry;
        result += data.sliced(*sectionEnd);
        return result;
    }
    QByteArray result = data.toByteArray();
    if (!result.isEmpty())
        result += result.endsWith('\n') ? "\n" : "\n\n";
    return result + '[' + (section.isEmpty() ? QByteArray("General") : escapedKey(section)) + "]\n" + entry;
}

} // namespace AppUtils::IniText
