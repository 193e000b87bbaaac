#include "FuzzInvariants.h"

#include <QDir>
#include <QDirIterator>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Replays the committed fuzz corpus through the fuzzers' checks, so that every build keeps what
// fuzzing established.
class TestFuzzCorpus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keepsItsPromises_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QByteArray>("input");
        const QDir corpus(QStringLiteral(HORAVANE_FUZZ_CORPUS));
        const QStringList targets = corpus.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(targets, (QStringList{u"appcast"_s, u"fieldentry"_s, u"rtf"_s, u"settings"_s}));
        for (const QString &target : targets) {
            QDirIterator it(corpus.filePath(target), QDir::Files);
            while (it.hasNext()) {
                QFile file(it.next());
                QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
                QTest::addRow("%s/%s", qPrintable(target), qPrintable(it.fileName())) << target << file.readAll();
            }
        }
    }

    void keepsItsPromises()
    {
        QFETCH(QString, target);
        QFETCH(QByteArray, input);
        const QString finding = target == "appcast"_L1 ? FuzzInvariants::checkAppcast(input)
            : target == "fieldentry"_L1               ? FuzzInvariants::checkFieldEntry(input, m_field)
            : target == "rtf"_L1                      ? FuzzInvariants::checkRtf(input)
                                                      : FuzzInvariants::checkSettingsFile(input, m_scratch.path());
        QVERIFY2(finding.isEmpty(), qPrintable(finding));
    }

private:
    QLineEdit m_field;
    QTemporaryDir m_scratch;
};

QTEST_MAIN(TestFuzzCorpus)
#include "tst_fuzzcorpus.moc"
