#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
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

// Named after the program's desktop file name, or shells cannot match its windows.
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
        QTest::addColumn<int>("iconSize");   // the pixels of a bitmap icon; 0 for other files
        QFile file(m_prefix.filePath(entryPath));
        const QString text = file.open(QIODevice::ReadOnly | QIODevice::Text) ? QString::fromUtf8(file.readAll()) : QString();
        // The first is that of the [Desktop Entry] group, which comes before any other.
        const auto entry = [&](const QString &key) { return QRegularExpression(u"^"_s + key + u"=(.*)$"_s, QRegularExpression::MultilineOption).match(text).captured(1); };
        // The menu entry must start the program installed beside it.
        QTest::newRow("menu entry's Exec") << u"bin/"_s + entry(u"Exec"_s).section(u' ', 0, 0) << 0;
        QTest::newRow("metadata") << u"share/metainfo/org.horavane.Horavane.metainfo.xml"_s << 0;
        QTest::newRow("donation message") << u"share/horavane/donation.rtf"_s << 0;
        QTest::newRow("licence") << u"share/doc/horavane/copyright"_s << 0;
        QTest::newRow("changelog") << u"share/doc/horavane/changelog.gz"_s << 0;
        QTest::newRow("manual page") << u"share/man/man1/horavane.1.gz"_s << 0;
        QTest::newRow("D-Bus interface") << u"share/dbus-1/interfaces/org.horavane.Horavane1.xml"_s << 0;
        // Each size the icon theme offers must really be that size, with see-through corners
        // around the round dial, or panels scale it blurred or show a square behind it.
        const QString icon = u"share/icons/hicolor/%1/apps/"_s + entry(u"Icon"_s);
        QTest::newRow("scalable icon") << icon.arg(u"scalable"_s) + u".svg"_s << 0;
        for (const int size : {16, 24, 32, 48, 64, 128, 256, 512})
            QTest::addRow("%dx%d icon", size, size) << icon.arg(u"%1x%1"_s.arg(size)) + u".png"_s << size;
    }

    void installedFiles()
    {
        QFETCH(QString, path);
        QFETCH(int, iconSize);
        const QFileInfo info(m_prefix.filePath(path));
        QVERIFY2(info.isFile() && info.size() > 0, qPrintable(path));
        QCOMPARE(info.isExecutable(), path.startsWith(u"bin/"_s));
        if (!iconSize)
            return;
        const QImage icon(info.filePath());
        QCOMPARE(icon.size(), QSize(iconSize, iconSize));
        const int last = iconSize - 1, middle = iconSize / 2;
        QCOMPARE(QList<int>({qAlpha(icon.pixel(0, 0)), qAlpha(icon.pixel(last, last)), qAlpha(icon.pixel(middle, middle))}), QList<int>({0, 0, 255}));
    }

    void validators()
    {
        // appstreamcli also finds the menu entry the metadata names as its launchable.
        for (const QStringList &command : {QStringList{u"desktop-file-validate"_s, m_prefix.filePath(entryPath)},
                                           QStringList{u"appstreamcli"_s, u"validate-tree"_s, u"--no-net"_s, m_prefix.path()}}) {
            const auto [status, output] = runTool(command.first(), command.sliced(1));
            // desktop-file-validate reports warnings with exit code 0.
            QVERIFY2(status == 0 && !output.contains(u"warning:"), qPrintable(output));
        }
    }

private:
    QTemporaryDir m_prefix;
};

QTEST_GUILESS_MAIN(tst_Install)
#include "tst_install.moc"
