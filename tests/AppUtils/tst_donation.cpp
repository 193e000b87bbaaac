#include "TestFiles.h"

#include <AppUtils/Donation.h>
#include <AppUtils/Path.h>
#include <AppUtils/RtfReader.h>

#include <QCheckBox>
#include <QDesktopServices>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

using namespace Qt::StringLiterals;
using AppUtils::Donation;
using AppUtils::Path;
using AppUtils::RtfReader;
using AppUtils::RtfRun;

namespace {

RtfRun run(const QString &text, bool bold = false, bool italic = false, const QString &link = {})
{
    return RtfRun{text, bold, italic, link};
}

} // namespace

// The donation message: where it is found, how it is read, and the window that shows it.
class TestDonation : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    // Stands in for the web browser and mail program.
    void open(const QUrl &url) { m_opened += url; }

private Q_SLOTS:
    void initTestCase()
    {
        // Before anything reads the shared settings, which stay with the first folder they see.
        qputenv("XDG_CONFIG_HOME", m_dir.filePath(u"config"_s).toUtf8());
        qputenv("XDG_DATA_HOME", m_dir.filePath(u"home"_s).toUtf8());
        qputenv("XDG_DATA_DIRS", m_dir.filePath(u"system"_s).toUtf8());
        QCoreApplication::setOrganizationName(u"Horavane"_s);
        QCoreApplication::setApplicationName(u"Horavane"_s);
        for (const QString &scheme : m_schemes)
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }

    void cleanupTestCase()
    {
        for (const QString &scheme : m_schemes)
            QDesktopServices::unsetUrlHandler(scheme);
    }

    void cleanup()
    {
        delete Donation::shared();
        m_opened.clear();
        for (const QString &file : std::as_const(m_made))
            QFile::remove(file);
        m_made.clear();
    }

    void read_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QList<RtfRun>>("runs");
        const QString para(QChar::ParagraphSeparator), line(QChar::LineSeparator);
        QTest::newRow("plain, breaks") << QByteArray("{\\rtf1\\ansi\\deff0 One,\r\n two\\par Two\\line Three\\par\\par}")
                                       << QList{run(u"One, two"_s + para + u"Two"_s + line + u"Three"_s)};
        QTest::newRow("bold, italic")
            << QByteArray("{\\rtf1 a {\\b b {\\i c}} d\\i e\\i0\\b1 f\\b0 g}")
            << QList{run(u"a "_s), run(u"b "_s, true), run(u"c"_s, true, true), run(u" d"_s),
                     run(u"e"_s, false, true), run(u"f"_s, true), run(u"g"_s)};
        QTest::newRow("cp1252") << QByteArray("caf\\'e9 \\'80 \\'93q\\'94\\'8d") << QList{run(u"café € “q”\uFFFD"_s)};
        QTest::newRow("unicode, surrogate pair") << QByteArray("\\u8364?x\\u-10179?\\u-8704?\\uc2\\u-143 ??y\\uc0\\u8364 z")
                                                 << QList{run(u"€x😀\uFF71y€z"_s)};
        QTest::newRow("fallback ends at brace") << QByteArray("\\uc3{\\u8364}abc") << QList{run(u"€abc"_s)};
        QTest::newRow("escapes, symbols") << QByteArray("\\{a\\}\\\\\\emdash\\~\\bullet\\tab\\ldblquote x\\rdblquote")
                                          << QList{run(u"{a}\\—\u00A0•\t“x”"_s)};
        QTest::newRow("destinations")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}}{\\info{\\title T}}{\\pict\\pngblip 89504e47}{\\*\\unknown u}Text}")
            << QList{run(u"Text"_s)};
        QTest::newRow("hyperlink")
            << QByteArray("Go to {\\field{\\*\\fldinst{HYPERLINK \"https://horavane.org/donate\"}}"
                          "{\\fldrslt{\\ul\\b horavane.org}}} now, p. {\\field{\\*\\fldinst PAGE}{\\fldrslt 3}}")
            << QList{run(u"Go to "_s), run(u"horavane.org"_s, true, false, u"https://horavane.org/donate"_s),
                     run(u" now, p. 3"_s)};
        QTest::newRow("hyperlink, switches")
            << QByteArray("{\\field{\\*\\fldinst HYPERLINK \\\\o \"tip\" https://a.org/x }{\\fldrslt a}}")
            << QList{run(u"a"_s, false, false, u"https://a.org/x"_s)};
        QTest::newRow("too deep to change")
            << QByteArray(RtfReader::maxDepth + 50, '{') + "\\b x" + QByteArray(50, '}') + "y" << QList{run(u"xy"_s)};
        QTest::newRow("binary data, also past the end") << QByteArray("a\\bin4 }{\\\\b\\bin999999 xyz")
                                                        << QList{run(u"ab"_s)};

        // Damaged input still gives the text it holds.
        const QByteArray deep(100000, '{'), shut(100000, '}');
        QTest::newRow("stray and unclosed braces") << QByteArray("}}a}b{\\rtf1{\\b text")
                                                   << QList{run(u"ab"_s), run(u"text"_s, true)};
        QTest::newRow("100000 deep, kept and skipped")
            << deep + "deep" + shut + "{\\fonttbl" + deep + "Arial;" + shut + "}x" << QList{run(u"deepx"_s)};
        QTest::newRow("huge numbers") << QByteArray("\\u99999999999999?ok\\uc999999999\\u233 abcdefghijklmnopqrst")
                                      << QList{run(u"\uFFFDokéqrst"_s)};
        QTest::newRow("lone surrogate, controls, bad hex, backslash at end")
            << QByteArray("\\u-10179?xa\\'00b\\u7?c\x01\x7f" "d\\'zz\\'4g\\'4\\") << QList{run(u"\uFFFDxabcdzzg"_s)};
        QTest::newRow("instruction outside field") << QByteArray("{\\*\\fldinst HYPERLINK x}t") << QList{run(u"t"_s)};
    }

    void read()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QList<RtfRun>, runs);
        QCOMPARE(RtfReader::read(rtf), runs);
    }

    void resourcePath_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("files");   // made first; <exe>: the executable's folder
        QTest::addColumn<bool>("found");          // true: the first of them, else none
        const QString exe = u"<exe>/../share/horavane/probe.rtf"_s, app = u"home/Horavane/Horavane/probe.rtf"_s,
                      user = u"home/horavane/probe.rtf"_s, system = u"system/horavane/probe.rtf"_s;
        QTest::newRow("executable first") << u"probe"_s << QStringList{exe, app, user, system} << true;
        QTest::newRow("application data") << u"probe"_s << QStringList{app, user, system} << true;
        QTest::newRow("system data") << u"probe"_s << QStringList{system} << true;
        // Each would reach a file that exists, outside the folders or under another name.
        QTest::newRow("parent folder") << u"../secret"_s << QStringList{u"home/secret.rtf"_s} << false;
        QTest::newRow("sub folder") << u"private/x"_s << QStringList{u"home/horavane/private/x.rtf"_s} << false;
        QTest::newRow("no name") << QString() << QStringList{u"home/horavane/.rtf"_s} << false;
    }

    void resourcePath()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, files);
        QFETCH(bool, found);
        for (QString &file : files) {
            file.replace(u"<exe>"_s, QCoreApplication::applicationDirPath());
            file = QDir::cleanPath(QDir(m_dir.path()).absoluteFilePath(file));
            put(file);
        }
        QCOMPARE(Path::resourcePath(name, u"rtf"_s).value_or(QString()), found ? files.first() : QString());
    }

    // Runs from the build tree find the message shipped in the sources.
    void sourceTreeLast()
    {
        QCOMPARE(Path::resourcePath(u"donation"_s, u"rtf"_s),
                 QDir::cleanPath(QStringLiteral(HORAVANE_SOURCE_RESOURCES "/donation.rtf")));
        put(m_dir.filePath(u"system/horavane/donation.rtf"_s));
        QCOMPARE(Path::resourcePath(u"donation"_s, u"rtf"_s), m_dir.filePath(u"system/horavane/donation.rtf"_s));
    }

    void formattedMessage()
    {
        Donation::newDonation(writeMessage("{\\rtf1 Thanks {\\b a lot}\\par Give at "
                                           "{\\field{\\*\\fldinst HYPERLINK \"https://x.org\"}{\\fldrslt x.org}}.}"),
                              m_page);
        const QTextDocument *document = message()->document();
        QCOMPARE(document->toPlainText(), u"Thanks a lot\nGive at x.org."_s);
        QVERIFY((++document->firstBlock().begin()).fragment().charFormat().font().bold());   // "a lot"
        const QTextFragment link = (++document->lastBlock().begin()).fragment();
        QCOMPARE(link.text() + u' ' + link.charFormat().anchorHref(), u"x.org https://x.org"_s);

        Donation::newDonation(m_dir.filePath(u"missing.rtf"_s), m_page);
        QVERIFY(!message()->document()->isEmpty());   // a few words of thanks instead
    }

    void longMessage_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("begins");
        QTest::newRow("many runs") << QByteArray("{\\b abcdefghij}klmnopqrst ").repeated(1000)
                                   << u"abcdefghijklmnopqrst abcdefghij"_s;
        QTest::newRow("emoji, never cut in half") << "x" + QByteArray("\\u-10179?\\u-8704?").repeated(6000)
                                                  << u"x😀😀"_s;
    }

    // A message of any length under the size limit opens at once: a few pages of it, laid out
    // in one go, and an ellipsis where the rest was left out.
    void longMessage()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, begins);
        Donation::newDonation(writeMessage("x"), m_page);
        Donation::shared()->showWindow();   // an open window takes the new message
        const QSignalSpy changes(message()->document(), &QTextDocument::contentsChange);
        Donation::newDonation(writeMessage(rtf), m_page);
        const QString text = message()->toPlainText();
        QVERIFY2(changes.size() < 10, qPrintable(QString::number(changes.size())));   // not one per run
        QVERIFY2(text.size() < 20000, qPrintable(QString::number(text.size())));
        QVERIFY(text.startsWith(begins) && text.endsWith(u'…') && text.isValidUtf16());
    }

    // The message comes from a file: only web and mail links leave the window (web: "Donate…").
    void links()
    {
        Donation::newDonation(writeMessage("x"), m_page);
        const QUrl mail(u"mailto:team@horavane.org"_s);
        Q_EMIT message()->anchorClicked(QUrl(u"file:///bin/sh"_s));
        Q_EMIT message()->anchorClicked(mail);
        QCOMPARE(m_opened, QList{mail});
    }

    void oneWindowAtATime()
    {
        Donation::newDonation(writeMessage("first"), m_page);
        Donation::shared()->showWindow();
        const QPointer<Donation> first = Donation::shared();
        Donation::newDonation(writeMessage("second"), m_page);
        QCOMPARE(Donation::shared(), first.data());
        QCOMPARE(message()->toPlainText(), u"second"_s);

        // "Donate…" opens the page and closes the window, which is replaced at once.
        Donation::shared()->findChild<QPushButton *>(u"donate"_s)->click();
        QCOMPARE(m_opened, QList{m_page});
        Donation::newDonation(writeMessage("third"), m_page);
        QVERIFY(!first);
        QCOMPARE(message()->toPlainText(), u"third"_s);
    }

    // Ticked, it keeps the window from opening at the next launch.
    void hideAtLaunchPersists()
    {
        Donation::newDonation(writeMessage("x"), m_page);
        QVERIFY(!Donation::shared()->staysHidden());
        Donation::shared()->findChild<QCheckBox *>(u"hideAtLaunch"_s)->click();
        delete Donation::shared();
        Donation::newDonation(writeMessage("x"), m_page);
        QVERIFY(Donation::shared()->staysHidden()
                && Donation::shared()->findChild<QCheckBox *>(u"hideAtLaunch"_s)->isChecked());
    }

private:
    QString writeMessage(const QByteArray &rtf)
    {
        const QString path = m_dir.filePath(u"message.rtf"_s);
        return writeFile(path, rtf) ? path : QString();
    }
    void put(const QString &path)
    {
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        m_made += path;
    }
    static QTextBrowser *message() { return Donation::shared()->findChild<QTextBrowser *>(u"message"_s); }

    QTemporaryDir m_dir;   // settings in config/; data folders: home/ for the user, system/ for the system
    QStringList m_made;    // also beside the test executable: removed after each test
    QList<QUrl> m_opened;
    const QStringList m_schemes{u"https"_s, u"mailto"_s, u"file"_s};
    const QUrl m_page{u"https://horavane.org/donate"_s};
};

QTEST_MAIN(TestDonation)
#include "tst_donation.moc"
