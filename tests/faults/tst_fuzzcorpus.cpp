#include "FuzzInvariants.h"

#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Replays the committed fuzz corpus through the checks the fuzzers run, so that every build,
// with or without a fuzzer, still keeps what fuzzing established: each input once broke a
// promise or reaches a corner worth keeping.
class TestFuzzCorpus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keepsItsPromises_data();
    void keepsItsPromises();

private:
    QLineEdit m_field;
    QTemporaryDir m_scratch;
};

void TestFuzzCorpus::keepsItsPromises_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QByteArray>("input");

    const QDir corpus(QStringLiteral(HORAVANE_FUZZ_CORPUS));
    const QStringList targets = corpus.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(targets, (QStringList{u"appcast"_s, u"fieldentry"_s, u"rtf"_s, u"settings"_s}));
    for (const QString &target : targets) {
        const QDir folder(corpus.filePath(target));
        const QStringList inputs = folder.entryList(QDir::Files);
        QVERIFY2(!inputs.isEmpty(), qPrintable(target));
        for (const QString &name : inputs) {
            QFile file(folder.filePath(name));
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
            QTest::addRow("%s/%s", qPrintable(target), qPrintable(name)) << target << file.readAll();
        }
    }
}

void TestFuzzCorpus::keepsItsPromises()
{
    QFETCH(QString, target);
    QFETCH(QByteArray, input);

    QString finding;
    if (target == "appcast"_L1)
        finding = FuzzInvariants::checkAppcast(input);
    else if (target == "fieldentry"_L1)
        finding = FuzzInvariants::checkFieldEntry(input, m_field);
    else if (target == "rtf"_L1)
        finding = FuzzInvariants::checkRtf(input);
    else
        finding = FuzzInvariants::checkSettingsFile(input, m_scratch.path());
    QVERIFY2(finding.isEmpty(), qPrintable(finding));
}

QTEST_MAIN(TestFuzzCorpus)
#include "tst_fuzzcorpus.moc"
