#pragma once

#include <QByteArray>
#include <QLatin1StringView>
#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

namespace SparklePreferences {

// One release announced by an update feed.
struct Release
{
    QString version; // compared with the running version; never empty
    QString shortVersion; // for people ("1.2"); may be empty
    QString title;
    QString notes; // the item's description, plain text or HTML as the feed gives it
    QUrl notesLink; // https only, else empty
    QUrl download; // the enclosure, else the item's link; https only, else empty

    // shortVersion when the feed gives one, else version.
    QString displayVersion() const;

    friend bool operator==(const Release &, const Release &) = default;
};

// The XML namespace of the appcast's own elements and attributes.
inline constexpr QLatin1StringView sparkleNamespace("http://www.andymatuschak.org/xml-namespaces/sparkle");

// Reads an RSS appcast: <rss><channel><item>... with, per item, <title>, <link>, <description>,
// <enclosure url=... sparkle:version=... sparkle:shortVersionString=...> and the elements
// <sparkle:version>, <sparkle:shortVersionString>, <sparkle:releaseNotesLink>. The enclosure's
// version wins over the element's. Unknown elements are skipped.
// Gives the releases in feed order; an item without a version is left out, so a readable feed
// may give none. Links that are not absolute https addresses are dropped: they are handed to
// the desktop to open, and a plain http download could be swapped on its way.
// nullopt when the text is not well-formed XML, or its root is not <rss> or holds no <channel>.
// Any input is safe: no entity is fetched, none expands without limit.
std::optional<QList<Release>> parseAppcast(const QByteArray &xml);

// The release with the highest version (compareVersions); the first of equals. nullopt for none.
std::optional<Release> newestRelease(const QList<Release> &releases);

} // namespace SparklePreferences
