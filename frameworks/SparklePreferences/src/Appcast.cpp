#include "SparklePreferences/Appcast.h"

#include "SparklePreferences/Version.h"

#include <QXmlStreamReader>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace SparklePreferences {
namespace {

bool isRss(const QXmlStreamReader &reader, QStringView name)
{
    return reader.namespaceUri().isEmpty() && reader.name() == name;
}

bool isSparkle(const QXmlStreamReader &reader, QStringView name)
{
    return reader.namespaceUri() == sparkleNamespace && reader.name() == name;
}

QString elementText(QXmlStreamReader &reader)
{
    return reader.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
}

QUrl secureUrl(QStringView text)
{
    const QUrl url(text.trimmed().toString(), QUrl::StrictMode);
    return url.isValid() && url.scheme() == u"https"_s && !url.host().isEmpty() ? url : QUrl();
}

// Reads one <item> up to its end tag; nullopt when it names no version.
std::optional<Release> readItem(QXmlStreamReader &reader)
{
    Release release;
    QString elementVersion;
    QString elementShortVersion;
    QUrl enclosure;
    QUrl link;
    while (reader.readNextStartElement()) {
        if (isRss(reader, u"title")) {
            release.title = elementText(reader);
        } else if (isRss(reader, u"link")) {
            link = secureUrl(elementText(reader));
        } else if (isRss(reader, u"description")) {
            release.notes = elementText(reader);
        } else if (isRss(reader, u"enclosure")) {
            const QXmlStreamAttributes attributes = reader.attributes();
            enclosure = secureUrl(attributes.value("url"_L1));
            release.version = attributes.value(sparkleNamespace, "version"_L1).trimmed().toString();
            release.shortVersion = attributes.value(sparkleNamespace, "shortVersionString"_L1).trimmed().toString();
            reader.skipCurrentElement();
        } else if (isSparkle(reader, u"version")) {
            elementVersion = elementText(reader);
        } else if (isSparkle(reader, u"shortVersionString")) {
            elementShortVersion = elementText(reader);
        } else if (isSparkle(reader, u"releaseNotesLink")) {
            release.notesLink = secureUrl(elementText(reader));
        } else {
            reader.skipCurrentElement();
        }
    }
    if (release.version.isEmpty())
        release.version = elementVersion;
    if (release.shortVersion.isEmpty())
        release.shortVersion = elementShortVersion;
    release.download = enclosure.isEmpty() ? link : enclosure;
    if (release.version.isEmpty())
        return std::nullopt;
    return release;
}

void readChannel(QXmlStreamReader &reader, QList<Release> &releases)
{
    while (reader.readNextStartElement()) {
        if (!isRss(reader, u"item")) {
            reader.skipCurrentElement();
            continue;
        }
        if (std::optional<Release> release = readItem(reader))
            releases.append(std::move(*release));
    }
}

} // namespace

QString Release::displayVersion() const
{
    return shortVersion.isEmpty() ? version : shortVersion;
}

std::optional<QList<Release>> parseAppcast(const QByteArray &xml)
{
    QXmlStreamReader reader(xml);
    if (!reader.readNextStartElement() || !isRss(reader, u"rss"))
        return std::nullopt;
    QList<Release> releases;
    bool hasChannel = false;
    while (reader.readNextStartElement()) {
        if (isRss(reader, u"channel")) {
            hasChannel = true;
            readChannel(reader, releases);
        } else {
            reader.skipCurrentElement();
        }
    }
    // Read past the root so that a truncated or trailing-garbage document is caught too.
    while (!reader.atEnd())
        reader.readNext();
    if (reader.hasError() || !hasChannel)
        return std::nullopt;
    return releases;
}

std::optional<Release> newestRelease(const QList<Release> &releases)
{
    const auto newest = std::max_element(releases.begin(), releases.end(),
        [](const Release &a, const Release &b) { return compareVersions(a.version, b.version) < 0; });
    if (newest == releases.end())
        return std::nullopt;
    return *newest;
}

} // namespace SparklePreferences
