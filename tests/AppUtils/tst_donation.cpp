#include "TestFiles.h"

#include <AppUtils/Donation.h>

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

    void links_data()
    {
        QTest::addColumn<QUrl>("url");
        QTest::addColumn<bool>("opened");
        QTest::newRow("mail") << QUrl(u"mailto:team@horavane.org"_s) << true;
        QTest::newRow("local file") << QUrl(u"file:///bin/sh"_s) << false;
    }

    // The message comes from a file: only web and mail links leave the window (web: "Donate…").
    void links()
    {
        QFETCH(QUrl, url);
        QFETCH(bool, opened);
        Donation::newDonation(writeMessage("x"), m_page);
        Q_EMIT message()->anchorClicked(url);
        QCOMPARE(m_opened, opened ? QList{url} : QList<QUrl>());
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
    static QTextBrowser *message() { return Donation::shared()->findChild<QTextBrowser *>(u"message"_s); }

    QTemporaryDir m_dir;
    QList<QUrl> m_opened;
    const QStringList m_schemes{u"https"_s, u"mailto"_s, u"file"_s};
    const QUrl m_page{u"https://horavane.org/donate"_s};
};

QTEST_MAIN(TestDonation)
#include "tst_donation.moc"
