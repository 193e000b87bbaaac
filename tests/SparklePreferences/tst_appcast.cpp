#include <SparklePreferences/Appcast.h>

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
    return "<item><enclosure url=\"https://horavane.org/horavane-" + version + ".tar.gz\" sparkle:version=\""
        + version + "\"/></item>";
}

} // namespace

class TestAppcast : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<QStringList>("versions");   // of the releases, in feed order
        QTest::addColumn<QString>("newest");

        QTest::newRow("newest in the middle") << feed(item("1.9.3") + item("1.10.0") + item("1.2"))
                                              << true << QStringList{u"1.9.3"_s, u"1.10.0"_s, u"1.2"_s}
                                              << u"1.10.0"_s;
        QTest::newRow("item without version left out")
            << feed("<item><title>Notes only</title></item>" + item("1.0.1")) << true
            << QStringList{u"1.0.1"_s} << u"1.0.1"_s;
        QTest::newRow("no usable item") << feed("<item><title>x</title></item>") << true << QStringList{}
                                        << QString();
        QTest::newRow("wrong namespace") << feed(item("2.0"), "http://example.com/other") << true
                                         << QStringList{} << QString();
        QTest::newRow("namespace under another prefix")
            << QByteArray("<rss xmlns:s='http://www.andymatuschak.org/xml-namespaces/sparkle'><channel>"
                          "<item><s:version>2.0</s:version></item></channel></rss>")
            << true << QStringList{u"2.0"_s} << u"2.0"_s;
        QTest::newRow("not XML") << QByteArray("<html><body>Bad Gateway") << false << QStringList{} << QString();
        QTest::newRow("truncated") << feed(item("1.1.0")).chopped(10) << false << QStringList{} << QString();
        QTest::newRow("garbage after root") << feed(item("1.1.0")) + "<rss/>" << false << QStringList{}
                                            << QString();
        QTest::newRow("no channel") << QByteArray("<rss version=\"2.0\"/>") << false << QStringList{} << QString();
        QByteArray bomb = "<!DOCTYPE rss [<!ENTITY e0 'aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa'>";
        for (int level = 1; level <= 5; ++level)
            bomb += "<!ENTITY e" + QByteArray::number(level) + " '"
                + QByteArray("&e" + QByteArray::number(level - 1) + ';').repeated(16) + "'>";
        QTest::newRow("entity expansion bomb")
            << bomb + "]><rss><channel><item><description>&e5;</description></item></channel></rss>" << false
            << QStringList{} << QString();
    }

    void parse()
    {
        QFETCH(QByteArray, xml);
        QFETCH(bool, readable);
        QFETCH(QStringList, versions);
        QFETCH(QString, newest);

        const std::optional<QList<Release>> releases = SparklePreferences::parseAppcast(xml);
        QCOMPARE(releases.has_value(), readable);
        if (!releases)
            return;
        QStringList found;
        for (const Release &release : *releases)
            found.append(release.version);
        QCOMPARE(found, versions);
        const std::optional<Release> best = SparklePreferences::newestRelease(*releases);
        QCOMPARE(best ? best->version : QString(), newest);
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
                          "<sparkle:releaseNotesLink>file:///etc/passwd</sparkle:releaseNotesLink>"
                          "<enclosure url='/relative.tar.gz' sparkle:version='3'/></item>")
            << Release{u"3"_s, {}, {}, {}, {}, {}};
        QTest::newRow("unsafe enclosure falls back to link")
            << QByteArray("<item><link>https://horavane.org/</link><sparkle:version> 4 </sparkle:version>"
                          "<enclosure url='ftp://horavane.org/x'/></item>")
            << Release{u"4"_s, {}, {}, {}, {}, QUrl(u"https://horavane.org/"_s)};
    }

    void fields()
    {
        QFETCH(QByteArray, xml);
        QFETCH(Release, expected);
        const std::optional<QList<Release>> releases = SparklePreferences::parseAppcast(feed(xml));
        QVERIFY(releases);
        QCOMPARE(releases->size(), 1);
        QCOMPARE(releases->first(), expected);
    }
};

QTEST_APPLESS_MAIN(TestAppcast)
#include "tst_appcast.moc"
