#include <AppUtils/Path.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using AppUtils::Path;

class TestPath : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void searchOrder_data();
    void searchOrder();
    void sourceTreeLast();
    void unsafeNames_data();
    void unsafeNames();

private:
    void put(const QString &path);

    QTemporaryDir m_dir;   // data folders: home/ for the user, system/ for the system
    QStringList m_made;    // also beside the test executable: removed after each test
};

void TestPath::initTestCase()
{
    QCoreApplication::setOrganizationName(u"Horavane"_s);
    QCoreApplication::setApplicationName(u"Horavane"_s);
    qputenv("XDG_DATA_HOME", m_dir.filePath(u"home"_s).toUtf8());
    qputenv("XDG_DATA_DIRS", m_dir.filePath(u"system"_s).toUtf8());
}

void TestPath::cleanup()
{
    for (const QString &file : std::as_const(m_made))
        QFile::remove(file);
    m_made.clear();
}

void TestPath::put(const QString &path)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    m_made += path;
}

void TestPath::searchOrder_data()
{
    QTest::addColumn<QStringList>("holders");   // <exe>: the executable's folder
    const QString exe = u"<exe>/../share/horavane"_s, app = u"home/Horavane/Horavane"_s,
                  user = u"home/horavane"_s, system = u"system/horavane"_s;
    QTest::newRow("executable first") << QStringList{exe, app, user, system};
    QTest::newRow("application data") << QStringList{app, user, system};
    QTest::newRow("system data") << QStringList{system};
    QTest::newRow("nowhere") << QStringList();
}

// The first folder that holds the file wins.
void TestPath::searchOrder()
{
    QFETCH(QStringList, holders);
    for (QString &folder : holders) {
        folder.replace(u"<exe>"_s, QCoreApplication::applicationDirPath());
        folder = QDir::cleanPath(QDir(m_dir.path()).absoluteFilePath(folder) + u"/probe.tst_path"_s);
        put(folder);
    }
    QCOMPARE(Path::resourcePath(u"probe"_s, u"tst_path"_s).value_or(QString()),
             holders.value(0));
}

// Runs from the build tree find the message shipped in the sources.
void TestPath::sourceTreeLast()
{
    QCOMPARE(Path::resourcePath(u"donation"_s, u"rtf"_s),
             QDir::cleanPath(QStringLiteral(HORAVANE_SOURCE_RESOURCES "/donation.rtf")));
    put(m_dir.filePath(u"system/horavane/donation.rtf"_s));
    QCOMPARE(Path::resourcePath(u"donation"_s, u"rtf"_s), m_dir.filePath(u"system/horavane/donation.rtf"_s));
}

void TestPath::unsafeNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("type");
    QTest::newRow("parent folder") << u"../secret"_s << u"rtf"_s;
    QTest::newRow("sub folder") << u"private/secret"_s << u"rtf"_s;
    QTest::newRow("no name") << QString() << u"rtf"_s;
}

// Each would reach a file that exists, outside the folders or under another name.
void TestPath::unsafeNames()
{
    QFETCH(QString, name);
    QFETCH(QString, type);
    for (const QString &file : {u"home/secret.rtf"_s, u"home/horavane/private/secret.rtf"_s,
                                u"home/horavane/.rtf"_s})
        put(m_dir.filePath(file));
    QCOMPARE(Path::resourcePath(name, type), std::nullopt);
}

QTEST_GUILESS_MAIN(TestPath)
#include "tst_path.moc"
