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
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(u"Horavane"_s);
        QCoreApplication::setApplicationName(u"Horavane"_s);
        qputenv("XDG_DATA_HOME", m_dir.filePath(u"home"_s).toUtf8());
        qputenv("XDG_DATA_DIRS", m_dir.filePath(u"system"_s).toUtf8());
    }

    void cleanup()
    {
        for (const QString &file : std::as_const(m_made))
            QFile::remove(file);
        m_made.clear();
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

private:
    void put(const QString &path)
    {
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        m_made += path;
    }

    QTemporaryDir m_dir;   // data folders: home/ for the user, system/ for the system
    QStringList m_made;    // also beside the test executable: removed after each test
};

QTEST_GUILESS_MAIN(TestPath)
#include "tst_path.moc"
