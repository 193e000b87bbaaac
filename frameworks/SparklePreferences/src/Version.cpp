#include "SparklePreferences/Version.h"

#include <optional>

namespace SparklePreferences {
namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() && !isDigit(c);
}

struct Run
{
    bool number;
    QStringView text; // numbers without their leading zeros, so "0" reads as empty
};

// Reads a version text one run at a time, without copying it.
class Runs
{
public:
    explicit Runs(QStringView text)
        : m_rest(text)
    {
        if (m_rest.size() > 1 && (m_rest[0] == u'v' || m_rest[0] == u'V') && isDigit(m_rest[1]))
            m_rest = m_rest.sliced(1);
    }

    std::optional<Run> next()
    {
        while (!m_rest.isEmpty() && !isDigit(m_rest.front()) && !isWordChar(m_rest.front()))
            m_rest = m_rest.sliced(1);
        if (m_rest.isEmpty())
            return std::nullopt;
        const bool number = isDigit(m_rest.front());
        qsizetype length = 1;
        while (length < m_rest.size() && (number ? isDigit(m_rest[length]) : isWordChar(m_rest[length])))
            ++length;
        QStringView text = m_rest.first(length);
        m_rest = m_rest.sliced(length);
        if (number) {
            while (!text.isEmpty() && text.front() == u'0')
                text = text.sliced(1);
        }
        return Run{number, text};
    }

private:
    QStringView m_rest;
};

std::weak_ordering compareNumbers(QStringView a, QStringView b)
{
    // Without leading zeros the longer digit string is the larger number, however long.
    if (a.size() != b.size())
        return a.size() <=> b.size();
    return a.compare(b) <=> 0;
}

// A run against a version that has ended.
std::weak_ordering compareToEnd(const Run &run)
{
    if (run.number)
        return run.text.isEmpty() ? std::weak_ordering::equivalent : std::weak_ordering::greater;
    return std::weak_ordering::less;
}

std::weak_ordering compareRuns(const Run &a, const Run &b)
{
    if (a.number && b.number)
        return compareNumbers(a.text, b.text);
    if (a.number != b.number)
        return a.number ? std::weak_ordering::greater : std::weak_ordering::less;
    return a.text.compare(b.text, Qt::CaseInsensitive) <=> 0;
}

} // namespace

std::weak_ordering compareVersions(QStringView a, QStringView b)
{
    Runs left(a);
    Runs right(b);
    for (;;) {
        const std::optional<Run> x = left.next();
        const std::optional<Run> y = right.next();
        if (!x && !y)
            return std::weak_ordering::equivalent;
        std::weak_ordering order = std::weak_ordering::equivalent;
        if (x && y)
            order = compareRuns(*x, *y);
        else if (x)
            order = compareToEnd(*x);
        else
            order = 0 <=> compareToEnd(*y);
        if (order != 0)
            return order;
    }
}

QString shortenedVersion(const QString &version)
{
    constexpr qsizetype longest = 40;
    return version.size() <= longest ? version : version.first(longest - 1) + u'\u2026';
}

} // namespace SparklePreferences
