#include "timescales/EarthOrientationDownload.h"
#include "timescales/TimeSources.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSslConfiguration>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono;

namespace {
QByteArray fixture(const QString &name)
{
    QFile file(QFINDTESTDATA(u"data/"_s + name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool run(const QString &folder, const QStringList &arguments)
{
    QProcess openssl;
    openssl.setWorkingDirectory(folder);
    openssl.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    openssl.start(u"openssl"_s, arguments);
    return openssl.waitForFinished() && openssl.exitCode() == 0;
}
} // namespace

// Downloads from a real https server started here, with a certificate authority made here.
class TestEarthOrientationDownload : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        const QString ca = m_tls.filePath(u"ca.pem"_s);
        QFile names(m_tls.filePath(u"names"_s));
        QVERIFY(names.open(QIODevice::WriteOnly) && names.write("subjectAltName=IP:127.0.0.1,DNS:localhost\n") > 0);
        names.close();
        const QStringList ec{u"-newkey"_s, u"ec"_s, u"-pkeyopt"_s, u"ec_paramgen_curve:prime256v1"_s, u"-nodes"_s};
        if (!run(m_tls.path(),
                QStringList{u"req"_s, u"-x509"_s} + ec
                    + QStringList{u"-keyout"_s, u"ca.key"_s, u"-out"_s, u"ca.pem"_s, u"-days"_s, u"2"_s, u"-subj"_s,
                        u"/CN=Horavane test CA"_s})
            || !run(m_tls.path(),
                QStringList{u"req"_s} + ec
                    + QStringList{u"-keyout"_s, u"server.key"_s, u"-out"_s, u"server.csr"_s, u"-subj"_s, u"/CN=localhost"_s})
            || !run(m_tls.path(),
                {u"x509"_s, u"-req"_s, u"-in"_s, u"server.csr"_s, u"-CA"_s, u"ca.pem"_s, u"-CAkey"_s, u"ca.key"_s,
                    u"-CAcreateserial"_s, u"-days"_s, u"2"_s, u"-out"_s, u"server.pem"_s, u"-extfile"_s, u"names"_s}))
            QSKIP("openssl cannot make a test certificate authority");
        // Qt 6.4 reads the system's certificates from its own list of folders and ignores
        // SSL_CERT_FILE and SSL_CERT_DIR: the CA joins the process's default configuration,
        // which every request starts from, beside the system's.
        QSslConfiguration trusting = QSslConfiguration::defaultConfiguration();
        QVERIFY(trusting.addCaCertificates(ca));
        QSslConfiguration::setDefaultConfiguration(trusting);

        const QDir served(m_served.path());
        const auto serve = [&](const QString &name, const QByteArray &body) {
            QFile file(served.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(body) == body.size());
        };
        const QByteArray html = "<!DOCTYPE html>\n<html><body>Maintenance</body></html>\n";
        serve(u"good"_s, fixture(u"finals2000A-2018-11.txt"_s));
        serve(u"truncated"_s, fixture(u"finals2000A-2018-11.txt"_s));
        serve(u"earlier"_s, fixture(u"finals2000A-2016-12.txt"_s));
        serve(u"html"_s, html);
        serve(u"current"_s, html); // unless asked If-Modified-Since

        m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_server.start(u"/usr/bin/python3"_s,
            {QFINDTESTDATA(u"finals_server.py"_s), m_served.path(), m_tls.filePath(u"server.pem"_s),
                m_tls.filePath(u"server.key"_s)});
        while (m_server.state() != QProcess::NotRunning && !m_server.canReadLine())
            m_server.waitForReadyRead();
        m_port = m_server.readLine().trimmed().toInt();
        QVERIFY2(m_port > 0, "the https server did not start");
    }

    void cleanupTestCase()
    {
        m_server.terminate();
        if (!m_server.waitForFinished())
            m_server.kill();
    }

    // Each answer either replaces the held copy with a table reaching at least as far, or
    // leaves it as it was and says why in one line.
    void keepsOnlyWhatReachesFurther_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("held"); // the copy held before
        QTest::addColumn<int>("timeoutMs");
        QTest::addColumn<QString>("problem");
        const QString early = u"finals2000A-2016-12.txt"_s, late = u"finals2000A-2018-11.txt"_s;
        const qsizetype size = fixture(late).size();
        QTest::newRow("newer table") << u"good"_s << early << 10000 << QString();
        QTest::newRow("not modified") << u"current"_s << early << 10000 << QString();
        QTest::newRow("404") << u"missing"_s << early << 10000 << u"IERS download failed: HTTP 404"_s;
        QTest::newRow("HTML page") << u"html"_s << early << 10000 << u"not a finals file: an HTML page"_s;
        QTest::newRow("truncated") << u"truncated"_s << early << 10000
                                   << u"IERS download failed: cut short after %1 of %2 bytes"_s.arg(size).arg(2 * size);
        QTest::newRow("reaches less far") << u"earlier"_s << late << 10000
                                          << u"the download reaches 2017-01-03, less far than the file held (2018-11-24)"_s;
        QTest::newRow("stall") << u"stall"_s << early << 300 << u"IERS download failed: no answer within 0.3 s"_s;
        QTest::newRow("redirect to http") << u"redirect"_s << early << 10000
                                          << u"IERS download failed: sent on to an address that is not https"_s;
        QTest::newRow("over the cap") << u"huge"_s << early << 10000 << u"IERS download failed: larger than 8 MiB"_s;
        QTest::newRow("announced over the cap")
            << u"announced"_s << early << 10000 << u"IERS download failed: larger than 8 MiB"_s;
        QTest::newRow("http address") << u"http:good"_s << early << 10000
                                      << u"IERS download failed: no https address to download from"_s;
    }

    void keepsOnlyWhatReachesFurther()
    {
        QFETCH(QString, source);
        QFETCH(QString, held);
        QFETCH(int, timeoutMs);
        QFETCH(QString, problem);
        QTemporaryDir folder;
        EarthOrientationDownload download(folder.path());
        const QByteArray before = fixture(held);
        {
            QFile file(download.heldPath());
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
        }
        download.setSources(source.startsWith(u"http:"_s)
                ? u"http://127.0.0.1:%1/%2"_s.arg(m_port).arg(source.mid(5))
                : u"https://127.0.0.1:%1/%2"_s.arg(m_port).arg(source));
        download.setTimeout(milliseconds(timeoutMs));
        download.fetchNow();
        QTRY_VERIFY_WITH_TIMEOUT(!download.state().running, 30000);
        QCOMPARE(download.state().problem, problem);

        QFile file(download.heldPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const bool replaced = source == u"good"_s;
        QCOMPARE(file.readAll(), replaced ? fixture(u"finals2000A-2018-11.txt"_s) : before);
        if (replaced) { // and the clock reads UT1 from it, named as any file is
            TimeSources sources({folder.path(), {}, u"/nonexistent"_s}, [] { return std::nullopt; });
            const auto noonOf58446 = system_clock::time_point(seconds((58446 - 40587) * 86400LL + 43200));
            QCOMPARE(sources.factsAt(noonOf58446).ut1.fileName, u"finals2000A.downloaded"_s);
        }
    }

private:
    QTemporaryDir m_tls, m_served;
    QProcess m_server;
    int m_port = 0;
};

QTEST_GUILESS_MAIN(TestEarthOrientationDownload)
#include "tst_earthorientationdownload.moc"
