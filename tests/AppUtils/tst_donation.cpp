#include "../faults/SettingsFixture.h"

#include <AppUtils/Donation.h>
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
using AppUtils::RtfReader;
using AppUtils::RtfRun;

static RtfRun run(const QString &text, bool bold = false, bool italic = false, const QString &link = {})
{
    return RtfRun{text, bold, italic, link};
}

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
    }

    void read_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QList<RtfRun>>("runs");
        const QString para(QChar::ParagraphSeparator), line(QChar::LineSeparator);
        QTest::newRow("plain, breaks") << QByteArray("{\\rtf1\\ansi\\deff0 One,\r\n two\\par Two\\line Three\\par\\par}")
                                       << QList{run(u"One, two"_s + para + u"Two"_s + line + u"Three"_s)};
        QTest::newRow("bold, italic") << QByteArray("{\\rtf1 a {\\b b {\\i c}} d\\i e\\i0\\b1 f\\b0 g}")
            << QList{run(u"a "_s), run(u"b "_s, true), run(u"c"_s, true, true), run(u" d"_s),
                     run(u"e"_s, false, true), run(u"f"_s, true), run(u"g"_s)};
        QTest::newRow("cp1252") << QByteArray("caf\\'e9 \\'80 \\'93q\\'94\\'8d") << QList{run(u"café € “q”\uFFFD"_s)};
        QTest::newRow("unicode, surrogate pair") << QByteArray("\\u8364?x\\u-10179?\\u-8704?\\uc2\\u-143 ??y\\uc0\\u8364 z")
                                                 << QList{run(u"€x😀\uFF71y€z"_s)};
        QTest::newRow("destinations")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}}{\\info{\\title T}}{\\pict\\pngblip 89504e47}{\\*\\unknown u}Text}")
            << QList{run(u"Text"_s)};
        QTest::newRow("hyperlink, switches; other fields") << QByteArray("Go to {\\field{\\*\\fldinst HYPERLINK \\\\o \"tip\" "
                "https://a.org/x }{\\fldrslt{\\ul\\b a.org}}} now, p. {\\field{\\*\\fldinst PAGE}{\\fldrslt 3}}")
            << QList{run(u"Go to "_s), run(u"a.org"_s, true, false, u"https://a.org/x"_s), run(u" now, p. 3"_s)};
        // Damaged input still gives the text it holds.
        const QByteArray deep(100000, '{'), shut(100000, '}');
        QTest::newRow("stray and unclosed braces") << QByteArray("}}a}b{\\rtf1{\\b text") << QList{run(u"ab"_s), run(u"text"_s, true)};
        QTest::newRow("100000 deep, kept and skipped")
            << deep + "deep" + shut + "{\\fonttbl" + deep + "Arial;" + shut + "}x" << QList{run(u"deepx"_s)};
        QTest::newRow("lone surrogate, huge number, controls, bad hex, backslash at end")
            << QByteArray("\\u-10179?xa\\'00b\\u7?c\\u99999999999999?\x01\x7f" "d\\'zz\\'4g\\'4\\") << QList{run(u"\uFFFDxabc\uFFFDdzzg"_s)};
    }

    void read()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QList<RtfRun>, runs);
        QCOMPARE(RtfReader::read(rtf), runs);
    }

    // A message of any length under the size limit opens at once: a few pages of it, laid out
    // in one go, and an ellipsis where the rest was left out.
    void longMessage()
    {
        Donation::newDonation(message("x"), m_page);
        Donation::shared()->showWindow();   // an open window takes the new message
        const QSignalSpy changes(shown()->document(), &QTextDocument::contentsChange);
        Donation::newDonation(message(QByteArray("{\\b abcdefghij}klmnopqrst ").repeated(1000)), m_page);
        const QString text = shown()->toPlainText();
        QVERIFY2(changes.size() < 10, qPrintable(QString::number(changes.size())));   // not one per run
        QVERIFY2(text.size() < 20000, qPrintable(QString::number(text.size())));
        QVERIFY(text.startsWith(u"abcdefghijklmnopqrst abcdefghij"_s) && text.endsWith(u'…') && text.isValidUtf16());
    }

    // The message as formatted; one window at a time takes each new message. Only web and mail links leave it, as the
    // message comes from a file; "Donate…" opens the page and closes the window.
    void window()
    {
        Donation::newDonation(message("{\\rtf1 Thanks {\\b a lot}\\par Give at "
                                      "{\\field{\\*\\fldinst HYPERLINK \"https://x.org\"}{\\fldrslt x.org}}.}"), m_page);
        const QTextDocument *document = shown()->document();
        QCOMPARE(document->toPlainText(), u"Thanks a lot\nGive at x.org."_s);
        QVERIFY((++document->firstBlock().begin()).fragment().charFormat().font().bold());   // "a lot"
        const QTextFragment link = (++document->lastBlock().begin()).fragment();
        QCOMPARE(link.text() + u' ' + link.charFormat().anchorHref(), u"x.org https://x.org"_s);
        Donation::newDonation(m_dir.filePath(u"missing.rtf"_s), m_page);
        QVERIFY(!shown()->document()->isEmpty());   // a few words of thanks instead
        Donation::shared()->showWindow();
        const QPointer<Donation> first = Donation::shared();
        Donation::newDonation(message("second"), m_page);
        QCOMPARE(Donation::shared(), first.data());
        QCOMPARE(shown()->toPlainText(), u"second"_s);
        const QUrl mail(u"mailto:team@horavane.org"_s);
        Q_EMIT shown()->anchorClicked(QUrl(u"file:///bin/sh"_s));
        Q_EMIT shown()->anchorClicked(mail);
        Donation::shared()->findChild<QPushButton *>(u"donate"_s)->click();
        QCOMPARE(m_opened, (QList{mail, m_page}));
        Donation::newDonation(message("third"), m_page);
        QVERIFY(!first);
        QCOMPARE(shown()->toPlainText(), u"third"_s);

        // Ticked, it keeps the window from opening at the next launch.
        QVERIFY(!Donation::shared()->staysHidden());
        Donation::shared()->findChild<QCheckBox *>(u"hideAtLaunch"_s)->click();
        delete Donation::shared();
        Donation::newDonation(message("x"), m_page);
        QVERIFY(Donation::shared()->staysHidden() && Donation::shared()->findChild<QCheckBox *>(u"hideAtLaunch"_s)->isChecked());
    }

private:
    QString message(const QByteArray &rtf)
    {
        const QString path = m_dir.filePath(u"message.rtf"_s);
        return SettingsFixture::writeFile(path, rtf) ? path : QString();
    }
    static QTextBrowser *shown() { return Donation::shared()->findChild<QTextBrowser *>(u"message"_s); }

    QTemporaryDir m_dir;   // settings in config/; data folders: home/ for the user, system/ for the system
    QList<QUrl> m_opened;
    const QStringList m_schemes{u"https"_s, u"mailto"_s, u"file"_s};
    const QUrl m_page{u"https://horavane.org/donate"_s};
};

QTEST_MAIN(TestDonation)
#include "tst_donation.moc"
