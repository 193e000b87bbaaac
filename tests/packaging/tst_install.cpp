#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Exit code (-1 when the program did not start or crashed) and stdout and stderr together.
std::pair<int, QString> runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return {-1, program + u": "_s + process.errorString()};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, QString::fromLocal8Bit(process.readAll())};
}

// The value of `key` in the [Desktop Entry] group, or an empty string.
QString desktopEntryValue(const QString &path, const QString &key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'['))
            inEntry = line == u"[Desktop Entry]";
        else if (inEntry && line.startsWith(key + u'='))
            return line.sliced(key.size() + 1);
    }
    return {};
}

const QString entryPath = u"share/applications/org.horavane.Horavane.desktop"_s;

} // namespace

// Installs the build as a package would and checks that the desktop finds there everything it
// needs to list, show and start Horavane.
class tst_Install : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_prefix.isValid());
        const auto [status, output] = runTool(QStringLiteral(HORAVANE_CMAKE),
            {u"--install"_s, QStringLiteral(HORAVANE_BUILD_DIR), u"--prefix"_s, m_prefix.path()});
        QVERIFY2(status == 0, qPrintable(output));
    }

    void installedFiles_data()
    {
        QTest::addColumn<QString>("path");   // relative to the prefix
        QTest::addColumn<bool>("executable");
        QTest::newRow("program") << u"bin/horavane"_s << true;
        // The menu entry must start the program installed beside it.
        QTest::newRow("menu entry's Exec") << u"bin/"_s + desktopEntryValue(m_prefix.filePath(entryPath), u"Exec"_s).section(u' ', 0, 0) << true;
        // Named after the program's desktop file name, or shells cannot match its windows.
        QTest::newRow("menu entry") << entryPath << false;
        QTest::newRow("metadata") << u"share/metainfo/org.horavane.Horavane.metainfo.xml"_s << false;
        // The program looks for it in <executable dir>/../share/horavane.
        QTest::newRow("donation message") << u"share/horavane/donation.rtf"_s << false;
        QTest::newRow("licence") << u"share/doc/horavane/copyright"_s << false;
    }

    void installedFiles()
    {
        QFETCH(QString, path);
        QFETCH(bool, executable);
        const QFileInfo info(m_prefix.filePath(path));
        QVERIFY2(info.isFile() && info.size() > 0, qPrintable(path));
        QCOMPARE(info.isExecutable(), executable);
    }

    void menuEntryIcon_data()
    {
        QTest::addColumn<int>("size");   // pixels; 0 for the scalable drawing
        QTest::newRow("scalable") << 0;
        for (const int size : {16, 24, 32, 48, 64, 128, 256, 512})
            QTest::addRow("%dx%d", size, size) << size;
    }

    // Each size the icon theme offers must really be that size, with see-through corners
    // around the round dial, or panels scale it blurred or show a square behind it.
    void menuEntryIcon()
    {
        QFETCH(int, size);
        const QString name = desktopEntryValue(m_prefix.filePath(entryPath), u"Icon"_s);
        QVERIFY(!name.isEmpty());
        const QString folder = size ? u"%1x%1"_s.arg(size) : u"scalable"_s;
        const QString path = m_prefix.filePath(u"share/icons/hicolor/%1/apps/%2.%3"_s.arg(
            folder, name, size ? u"png"_s : u"svg"_s));
        QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
        if (!size)
            return;
        const QImage icon(path);
        QCOMPARE(icon.size(), QSize(size, size));
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(icon.pixel(size - 1, size - 1)), 0);
        QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
    }

    void validators_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");   // %1 stands for the prefix
        QTest::newRow("menu entry") << u"desktop-file-validate"_s << QStringList{u"%1/"_s + entryPath};
        QTest::newRow("metadata") << u"appstreamcli"_s
            << QStringList{u"validate"_s, u"--no-net"_s,
                           u"%1/share/metainfo/org.horavane.Horavane.metainfo.xml"_s};
        // Also finds the menu entry the metadata names as its launchable.
        QTest::newRow("metadata in the tree") << u"appstreamcli"_s
            << QStringList{u"validate-tree"_s, u"--no-net"_s, u"%1"_s};
    }

    void validators()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        for (QString &argument : arguments)
            argument.replace(u"%1"_s, m_prefix.path());
        const auto [status, output] = runTool(program, arguments);
        // desktop-file-validate reports warnings with exit code 0.
        QVERIFY2(status == 0 && !output.contains(u"warning:"), qPrintable(output));
    }

private:
    QTemporaryDir m_prefix;
};

QTEST_GUILESS_MAIN(tst_Install)
#include "tst_install.moc"
