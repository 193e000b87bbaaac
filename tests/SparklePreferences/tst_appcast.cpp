#include <SparklePreferences/Appcast.h>
#include <SparklePreferences/Version.h>

#include <QTest>

using namespace Qt::StringLiterals;
using SparklePreferences::Release;

Q_DECLARE_METATYPE(Release)

namespace {

QByteArray feed(const QByteArray &items, const QByteArray &ns = "http://www.andymatuschak.org/xml-namespaces/sparkle")
{
    return "<?xml version='1.0' encoding='utf-8'?><rss version='2.0' xmlns:sparkle='" + ns
        + "'><channel><title>Horavane</title>" + items + "</channel></rss>";
}

QByteArray item(const QByteArray &version)
{
    return "<item><enclosure url='https://horavane.org/get' sparkle:version='" + version + "'/></item>";
}

} // namespace

class TestAppcast : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("found");   // the versions in feed order, "> newest"; or "unreadable"

        QTest::newRow("newest in the middle") << feed(item("1.9.3") + item("1.10.0") + item("1.2"))
                                              << u"1.9.3 1.10.0 1.2 > 1.10.0"_s;
        QTest::newRow("item without version left out") << feed("<item/>" + item("1.0.1")) << u"1.0.1 > 1.0.1"_s;
        QTest::newRow("wrong namespace") << feed(item("2.0"), "http://example.com/other") << u" > "_s;
        QTest::newRow("namespace under another prefix")
            << QByteArray("<rss xmlns:s='http://www.andymatuschak.org/xml-namespaces/sparkle'><channel>"
                          "<item><s:version>2.0</s:version></item></channel></rss>") << u"2.0 > 2.0"_s;
        QTest::newRow("not XML") << QByteArray("<html><body>Bad Gateway") << u"unreadable"_s;
        QTest::newRow("truncated") << feed(item("1.1.0")).chopped(10) << u"unreadable"_s;
        QTest::newRow("garbage after root") << feed(item("1.1.0")) + "<rss/>" << u"unreadable"_s;
        QTest::newRow("no channel") << QByteArray("<rss version=\"2.0\"/>") << u"unreadable"_s;
        QByteArray bomb = "<!DOCTYPE rss [<!ENTITY e0 'aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa'>";
        for (char level = '1'; level <= '5'; ++level)
            bomb += "<!ENTITY e" + QByteArray(1, level) + " '"
                + QByteArray("&e").append(char(level - 1)).append(';').repeated(16) + "'>";
        QTest::newRow("entity expansion bomb") << bomb + "]><rss><channel><item><description>&e5;</description>"
                                                         "</item></channel></rss>" << u"unreadable"_s;
    }

    void parse()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, found);
        const std::optional<QList<Release>> releases = SparklePreferences::parseAppcast(xml);
        QString described = u"unreadable"_s;
        if (releases) {
            QStringList versions;
            for (const Release &release : *releases)
                versions.append(release.version);
            const std::optional<Release> newest = SparklePreferences::newestRelease(*releases);
            described = versions.join(u' ') + u" > "_s + (newest ? newest->version : QString());
        }
        QCOMPARE(described, found);
    }

    void fields_data()
    {
        QTest::addColumn<QByteArray>("xml");   // one <item>
        QTest::addColumn<Release>("expected");

        QTest::newRow("everything")
            << QByteArray("<item><title>Horavane 1.1</title><link>https://horavane.org/news/1.1</link>"
                          "<sparkle:releaseNotesLink>https://horavane.org/notes/1.1.html</sparkle:releaseNotesLink>"
                          "<description><![CDATA[<ul><li>Faster &amp; smaller</li></ul>]]></description>"
                          "<enclosure url='https://horavane.org/get/horavane-1.1.tar.gz' length='1'"
                          " sparkle:version='110' sparkle:shortVersionString='1.1'/></item>")
            << Release{u"110"_s, u"1.1"_s, u"Horavane 1.1"_s, u"<ul><li>Faster &amp; smaller</li></ul>"_s,
                   QUrl(u"https://horavane.org/notes/1.1.html"_s),
                   QUrl(u"https://horavane.org/get/horavane-1.1.tar.gz"_s)};
        QTest::newRow("enclosure version wins")
            << QByteArray("<item><sparkle:version>1</sparkle:version><sparkle:shortVersionString>one"
                          "</sparkle:shortVersionString><enclosure sparkle:version='2'/></item>")
            << Release{u"2"_s, u"one"_s, {}, {}, {}, {}};
        QTest::newRow("unsafe links dropped")
            << QByteArray("<item><link>javascript:alert(1)</link>"
                          "<sparkle:releaseNotesLink>http://horavane.org/notes</sparkle:releaseNotesLink>"
                          "<enclosure url='/relative.tar.gz' sparkle:version='3'/></item>")
            << Release{u"3"_s, {}, {}, {}, {}, {}};
        QTest::newRow("plain http enclosure falls back to link")
            << QByteArray("<item><link>https://horavane.org/</link><sparkle:version> 4 </sparkle:version>"
                          "<enclosure url='http://horavane.org/x'/></item>")
            << Release{u"4"_s, {}, {}, {}, {}, QUrl(u"https://horavane.org/"_s)};
    }

    void fields()
    {
        QFETCH(QByteArray, xml);
        QFETCH(Release, expected);
        const std::optional<QList<Release>> releases = SparklePreferences::parseAppcast(feed(xml));
        QCOMPARE(releases.value_or(QList<Release>()), QList<Release>{expected});
    }

    void compare_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("expected");   // sign of a - b

        QTest::newRow("numbers, not text") << u"1.10.0"_s << u"1.9.3"_s << 1;
        QTest::newRow("missing part is zero") << u"1.0"_s << u"1.0.0"_s << 0;
        QTest::newRow("leading zeros") << u"01.002"_s << u"1.2"_s << 0;
        QTest::newRow("beyond 64 bits") << u"18446744073709551617"_s << u"18446744073709551616"_s << 1;
        QTest::newRow("pre-release first") << u"2.0b1"_s << u"2.0"_s << -1;
        QTest::newRow("release candidate after beta") << u"2.0rc1"_s << u"2.0b2"_s << 1;
        QTest::newRow("case and separators") << u"1.0-Beta_2"_s << u"1.0 beta.2"_s << 0;
        QTest::newRow("leading v") << u"v1.2"_s << u"1.2"_s << 0;
        QTest::newRow("empty is lowest") << u""_s << u"0.0.1"_s << -1;
        QTest::newRow("word below number") << u"abc"_s << u"1"_s << -1;
        QTest::newRow("non-ASCII digits are no number") << u"\u0663"_s << u"2"_s << -1;
    }

    void compare()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, expected);
        const auto sign = [](std::weak_ordering o) { return o < 0 ? -1 : o > 0 ? 1 : 0; };
        QCOMPARE(sign(SparklePreferences::compareVersions(a, b)), expected);
        QCOMPARE(sign(SparklePreferences::compareVersions(b, a)), -expected);   // the order must not depend on the side
    }
};

QTEST_APPLESS_MAIN(TestAppcast)
#include "tst_appcast.moc"
