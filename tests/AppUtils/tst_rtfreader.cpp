#include <AppUtils/RtfReader.h>

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;
using AppUtils::RtfReader;
using AppUtils::RtfRun;

namespace {

RtfRun run(const QString &text, bool bold = false, bool italic = false, const QString &link = {})
{
    return RtfRun{text, bold, italic, link};
}

// What read() promises of any input: no control character but tabs, no lone surrogate.
bool keepsPromise(const QList<RtfRun> &runs)
{
    return std::all_of(runs.begin(), runs.end(), [](const RtfRun &r) {
        return r.text.isValidUtf16()
            && std::none_of(r.text.begin(), r.text.end(), [](QChar c) {
                   return c.category() == QChar::Other_Control && c != u'\t';
               });
    });
}

} // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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

    // Random token soup: any text will do, as long as it keeps the promises.
    void randomInput()
    {
        QRandomGenerator random(20240607);   // fixed: a failure can be run again
        const QList<QByteArray> tokens = {
            "{", "}", "\\b", "\\b0", "\\i", "\\plain", "\\par", "\\line", "\\u-10179", "\\u-8704",
            "\\u233", "\\uc2", "\\uc0", "\\'e9", "\\'", "\\'00", "\x01", "\\bin3 ", "\\*", "\\fonttbl",
            "\\field", "\\fldinst", "\\fldrslt", "HYPERLINK \"https://x\"", "text", " ", "\\", "\\\\", "\\{"};
        QByteArray rtf;
        for (int i = 0; i < 40000; ++i)
            rtf += tokens[random.bounded(tokens.size())];
        QVERIFY(keepsPromise(RtfReader::read(rtf)));
    }
};

QTEST_GUILESS_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
