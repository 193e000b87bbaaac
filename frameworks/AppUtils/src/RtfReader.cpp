#include "AppUtils/RtfReader.h"

#include "HexDigit.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <utility>

using namespace Qt::StringLiterals;

namespace AppUtils {

namespace {

// Bounds that keep hostile numbers harmless: parameters saturate, and no real \ucN fallback
// is longer than a few bytes.
constexpr qint64 maxParameter = 1'000'000'000;
constexpr qint64 maxFallbackLength = 16;

// cp1252 differs from Latin-1 only in 0x80..0x9F; its five unassigned bytes read as U+FFFD.
constexpr std::array<char16_t, 32> cp1252High = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6,
    0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013,
    0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

QChar fromCp1252(uchar byte)
{
    return byte >= 0x80 && byte < 0xA0 ? QChar(cp1252High[byte - 0x80u]) : QChar(char16_t(byte));
}

struct Symbol
{
    QByteArrayView word;
    char16_t character;
};

// Control words that stand for one character.
constexpr std::array<Symbol, 17> symbols = {{
    {"par", QChar::ParagraphSeparator},
    {"sect", QChar::ParagraphSeparator},
    {"page", QChar::ParagraphSeparator},
    {"row", QChar::ParagraphSeparator},
    {"line", QChar::LineSeparator},
    {"tab", u'\t'},
    {"cell", u'\t'},
    {"emdash", u'\u2014'},
    {"endash", u'\u2013'},
    {"emspace", u'\u2003'},
    {"enspace", u'\u2002'},
    {"qmspace", u'\u2005'},
    {"bullet", u'\u2022'},
    {"lquote", u'\u2018'},
    {"rquote", u'\u2019'},
    {"ldblquote", u'\u201C'},
    {"rdblquote", u'\u201D'},
}};

// Destinations whose text is not part of the message, also where writers leave out \*.
constexpr std::array<QByteArrayView, 21> skippedDestinations = {
    "fonttbl",
    "colortbl",
    "stylesheet",
    "info",
    "pict",
    "object",
    "nonshppict",
    "header",
    "headerl",
    "headerr",
    "headerf",
    "footer",
    "footerl",
    "footerr",
    "footerf",
    "footnote",
    "listtable",
    "listoverridetable",
    "themedata",
    "latentstyles",
    "datastore",
};

enum class Destination { Text, Skipped, FieldInstruction };

// The state a group starts with a copy of and drops at its end.
struct Group
{
    bool bold = false;
    bool italic = false;
    Destination destination = Destination::Text;
    qint64 fallbackLength = 1; // \ucN: characters after each \uN that stand in for it
    qsizetype field = -1; // index in the group stack of the innermost \field group
    QString instruction; // of the field this group is, collected from its \fldinst
    QString link;
};

// The target of a field instruction such as HYPERLINK "https://example.org" \o "tip";
// empty for other fields and for links to bookmarks only (\l).
QString hyperlinkTarget(QStringView instruction)
{
    QStringList arguments;
    for (qsizetype i = 0; i < instruction.size();) {
        if (instruction[i].isSpace()) {
            ++i;
            continue;
        }
        const bool quoted = instruction[i] == u'"';
        const qsizetype start = quoted ? i + 1 : i;
        qsizetype end = start;
        while (end < instruction.size() && (quoted ? instruction[end] != u'"' : !instruction[end].isSpace()))
            ++end;
        arguments += instruction.sliced(start, end - start).toString();
        i = end + 1;
    }
    if (arguments.isEmpty() || arguments.first().compare("HYPERLINK"_L1, Qt::CaseInsensitive) != 0)
        return {};
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!arguments[i].startsWith(u'\\'))
            return arguments[i];
        if (arguments[i] == "\\l"_L1 || arguments[i] == "\\o"_L1 || arguments[i] == "\\t"_L1)
            ++i; // a switch with an argument of its own
    }
    return {};
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// One pass over the input, without recursion: a group is a copy of the state pushed on a
// stack of at most maxDepth + 1 entries; deeper braces are only counted.
class Parser
{
public:
    explicit Parser(QByteArrayView input);
    QList<RtfRun> parse();

private:
    Group &group() { return m_groups.last(); }
    void openGroup();
    void closeGroup();
    void controlWord(bool starred);
    void controlSymbol();
    bool takeFallback();
    void put(QChar c);
    void finish();

    QByteArrayView m_input;
    qsizetype m_pos = 0;
    QList<Group> m_groups;
    int m_overflow = 0; // braces opened beyond maxDepth and not yet closed
    qint64 m_fallbackLeft = 0; // characters still to skip after a \uN
    bool m_starred = false; // the last token was \*
    QList<RtfRun> m_runs;
};

Parser::Parser(QByteArrayView input)
    : m_input(input)
{
    m_groups.reserve(RtfReader::maxDepth + 1);
    m_groups.append(Group{});
}

QList<RtfRun> Parser::parse()
{
    while (m_pos < m_input.size()) {
        const char c = m_input[m_pos++];
        const bool starred = std::exchange(m_starred, false);
        switch (c) {
        case '{':
            m_fallbackLeft = 0; // a fallback never runs over a brace
            openGroup();
            break;
        case '}':
            m_fallbackLeft = 0;
            closeGroup();
            break;
        case '\\':
            if (m_pos < m_input.size() && isLetter(m_input[m_pos]))
                controlWord(starred);
            else if (m_pos < m_input.size())
                controlSymbol();
            break;
        case '\r':
        case '\n':
            break; // line ends of the file are not text
        default:
            if (!takeFallback())
                put(fromCp1252(static_cast<uchar>(c)));
        }
    }
    finish();
    return m_runs;
}

void Parser::openGroup()
{
    if (m_groups.size() > RtfReader::maxDepth) {
        ++m_overflow;
        return;
    }
    Group copy = group();
    m_groups.append(std::move(copy));
}

void Parser::closeGroup()
{
    if (m_overflow > 0)
        --m_overflow;
    else if (m_groups.size() > 1) // a stray '}' closes nothing
        m_groups.removeLast();
}

void Parser::controlWord(bool starred)
{
    const qsizetype start = m_pos;
    while (m_pos < m_input.size() && isLetter(m_input[m_pos]))
        ++m_pos;
    const QByteArrayView word = m_input.sliced(start, m_pos - start);

    const bool negative = m_pos + 1 < m_input.size() && m_input[m_pos] == '-' && isDigit(m_input[m_pos + 1]);
    if (negative)
        ++m_pos;
    bool hasParameter = false;
    qint64 parameter = 0;
    for (; m_pos < m_input.size() && isDigit(m_input[m_pos]); ++m_pos) {
        hasParameter = true;
        parameter = std::min(parameter * 10 + (m_input[m_pos] - '0'), maxParameter);
    }
    if (negative)
        parameter = -parameter;
    if (m_pos < m_input.size() && m_input[m_pos] == ' ')
        ++m_pos; // the delimiter belongs to the word

    if (word == "bin") { // binary data follows, never text
        m_pos += std::clamp<qint64>(parameter, 0, m_input.size() - m_pos);
        takeFallback();
        return;
    }
    if (takeFallback())
        return;
    Group &g = group();
    if (word == "fldinst" && m_overflow == 0 && (starred || g.destination == Destination::Text)) {
        g.destination = g.field >= 0 ? Destination::FieldInstruction : Destination::Skipped;
        return;
    }
    if (g.destination == Destination::Skipped)
        return;
    if (word == "u") {
        const qint64 unit = parameter < 0 ? parameter + 0x10000 : parameter; // signed 16 bits
        put(unit >= 0 && unit <= 0xFFFF ? QChar(static_cast<char16_t>(unit)) : QChar(QChar::ReplacementCharacter));
        m_fallbackLeft = g.fallbackLength;
        return;
    }
    const auto symbol
        = std::find_if(symbols.begin(), symbols.end(), [word](const Symbol &s) { return s.word == word; });
    if (symbol != symbols.end()) {
        put(symbol->character);
        return;
    }
    if (m_overflow > 0)
        return; // too deep to keep apart: the state of the deepest group stays as it is
    if (word == "b")
        g.bold = !hasParameter || parameter != 0;
    else if (word == "i")
        g.italic = !hasParameter || parameter != 0;
    else if (word == "plain")
        g.bold = g.italic = false;
    else if (word == "uc")
        g.fallbackLength = std::clamp<qint64>(parameter, 0, maxFallbackLength);
    else if (word == "field")
        g.field = m_groups.size() - 1;
    else if (word == "fldrslt")
        g.link = g.field >= 0 ? hyperlinkTarget(m_groups[g.field].instruction) : QString();
    else if (std::find(skippedDestinations.begin(), skippedDestinations.end(), word) != skippedDestinations.end())
        g.destination = Destination::Skipped;
}

void Parser::controlSymbol()
{
    const char symbol = m_input[m_pos++];
    if (symbol == '\'') { // \'hh: one byte; a truncated escape gives nothing
        int byte = 0;
        int digits = 0;
        for (; digits < 2 && m_pos < m_input.size() && hexValue(m_input[m_pos]) >= 0; ++digits)
            byte = byte * 16 + hexValue(m_input[m_pos++]);
        if (!takeFallback() && digits == 2)
            put(fromCp1252(static_cast<uchar>(byte)));
        return;
    }
    if (takeFallback())
        return;
    switch (symbol) {
    case '*': // an ignorable destination: skipped unless its word is one we read
        if (group().destination != Destination::Skipped && m_overflow == 0) {
            group().destination = Destination::Skipped;
            m_starred = true;
        }
        break;
    case '{':
    case '}':
    case '\\':
        put(QLatin1Char(symbol));
        break;
    case '~':
        put(QChar::Nbsp);
        break;
    case '_':
        put(u'\u2011'); // non-breaking hyphen
        break;
    case '-':
        put(QChar::SoftHyphen);
        break;
    case '\r':
    case '\n':
        put(QChar::ParagraphSeparator);
        break;
    default:
        break; // \| \: and the like mark index entries and formulas
    }
}

// Whether the current token is one of the characters standing in for the last \uN.
bool Parser::takeFallback()
{
    if (m_fallbackLeft == 0)
        return false;
    --m_fallbackLeft;
    return true;
}

void Parser::put(QChar c)
{
    if (c.category() == QChar::Other_Control && c != u'\t')
        return;
    Group &g = group();
    switch (g.destination) {
    case Destination::Skipped:
        return;
    case Destination::FieldInstruction:
        m_groups[g.field].instruction += c;
        return;
    case Destination::Text:
        break;
    }
    if (!m_runs.isEmpty() && m_runs.last().bold == g.bold && m_runs.last().italic == g.italic
        && m_runs.last().link == g.link)
        m_runs.last().text += c;
    else
        m_runs.append(RtfRun{QString(c), g.bold, g.italic, g.link});
}

void Parser::finish()
{
    for (RtfRun &run : m_runs) {
        QString &text = run.text;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                ++i;
            else if (text[i].isSurrogate())
                text[i] = QChar::ReplacementCharacter;
        }
    }
    while (!m_runs.isEmpty()) {
        QString &text = m_runs.last().text;
        while (!text.isEmpty() && (text.back() == QChar::ParagraphSeparator || text.back() == QChar::LineSeparator))
            text.chop(1);
        if (!text.isEmpty())
            break;
        m_runs.removeLast();
    }
}

} // namespace

QList<RtfRun> RtfReader::read(QByteArrayView rtf)
{
    return Parser(rtf).parse();
}

} // namespace AppUtils
