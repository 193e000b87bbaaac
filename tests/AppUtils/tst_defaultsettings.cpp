#include "../faults/SettingsFixture.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;
using AppUtils::DefaultSettings;
using SettingsFixture::exact;
using SettingsFixture::stored;

namespace {

bool save(DefaultSettings &settings, const QString &key, const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Bool: return settings.saveBool(key, value.toBool());
    case QMetaType::LongLong: return settings.saveInteger(key, value.toLongLong());
    case QMetaType::Double: return settings.saveDouble(key, value.toDouble());
    default: return settings.saveString(key, value.toString());
    }
}

// Reads the file as the next launch would: a copy, which no cache of this process holds.
DefaultSettings reread(const QString &path)
{
    QFile::remove(path + u".copy"_s);
    QFile::copy(path, path + u".copy"_s);
    return DefaultSettings(path + u".copy"_s);
}

} // namespace

class TestDefaultSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("saved");   // false: refused, the value before stays
        QTest::newRow("int64 min") << QVariant(std::numeric_limits<qint64>::min()) << true;
        QTest::newRow("negative zero") << QVariant(-0.0) << true;
        QTest::newRow("smallest subnormal") << QVariant(std::numeric_limits<double>::denorm_min()) << true;
        QTest::newRow("nan") << QVariant(std::numeric_limits<double>::quiet_NaN()) << false;
        QTest::newRow("INI syntax, list, breaks, non-Latin") << QVariant(u" [x]=;#a, b\\\n Ωμέγα ☉ 時"_s) << true;
        QTest::newRow("4000 control characters") << QVariant(QString(4000, u'\x1f')) << true;
        QTest::newRow("4001 characters") << QVariant(QString(4001, u'x')) << false;
    }

    // What a save stores, the next launch reads back exactly; what it refuses leaves the old value.
    void roundTrip()
    {
        QFETCH(QVariant, value);
        QFETCH(bool, saved);
        const QString path = m_dir.filePath(QLatin1StringView(QTest::currentDataTag()));
        DefaultSettings settings(path);
        QVERIFY(settings.saveString(u"G/k"_s, u"before"_s));
        QCOMPARE(save(settings, u"G/k"_s, value), saved);
        QCOMPARE(stored(reread(path), u"G/k"_s, saved ? value.typeId() : QMetaType::QString),
                 saved ? exact(value) : QVariant(u"before"_s));
    }

    // Whatever a hand edit leaves that is not a value of the asked-for type reads as the fallback
    // (expected null), and nothing in the file crashes the reader.
    void handEdits_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("type");
        QTest::addColumn<QVariant>("expected");
        const int boolean = QMetaType::Bool, integer = QMetaType::LongLong, number = QMetaType::Double;
        QTest::newRow("bool 1") << QByteArray("k=1") << boolean << QVariant(true);
        QTest::newRow("bool number") << QByteArray("k=2") << boolean << QVariant();
        QTest::newRow("int past max") << QByteArray("k=9223372036854775808") << integer << QVariant();
        QTest::newRow("double nan") << QByteArray("k=nan") << number << QVariant();
        QTest::newRow("string list") << QByteArray("k=a,b") << int(QMetaType::QString) << QVariant();
        // Qt 4's stream of an int (type 2) of 5, as QSettings writes a type it has no text for.
        QTest::newRow("small @Variant") << QByteArray("k=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)") << integer << QVariant(qint64(5));
        QTest::newRow("broken section, then a save") << QByteArray("[General]\nk=5\n[broken\n") << integer << QVariant(qint64(5));
    }

    void handEdits()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, type);
        QFETCH(QVariant, expected);
        const QString path = m_dir.filePath(QLatin1StringView(QTest::currentDataTag()) + u".edit"_s);
        QVERIFY(writeFile(path, file));
        DefaultSettings settings(path);
        QCOMPARE(stored(settings, u"k"_s, type), exact(expected));
        // A save that is the first write of the file lands, says so, and keeps what could be read.
        QVERIFY(settings.saveInteger(u"added"_s, 6));
        QCOMPARE(stored(reread(path), u"k"_s, type), exact(expected));
        QCOMPARE(reread(path).loadInteger(u"added"_s, 0), 6);
    }

    void unwritable_data()
    {
        QTest::addColumn<QByteArray>("content");   // null: no file
        QTest::addColumn<QFile::Permissions>("fileMode");
        QTest::addColumn<QFile::Permissions>("folderMode");
        QTest::addColumn<QString>("lockFile");     // a file in the lock's folder, which it cannot clear
        const QFile::Permissions r = QFile::ReadOwner, w = QFile::WriteOwner, x = QFile::ExeOwner;
        const QByteArray good = "k=1";
        QTest::newRow("read-only folder, no file") << QByteArray() << (r | w) << (r | x) << QString();
        // The folder would let a new file be renamed over it.
        QTest::newRow("read-only file") << good << r << (r | w | x) << QString();
        QTest::newRow("lock a folder with a file") << good << (r | w) << (r | w | x) << u"Horavane.conf.lock/x"_s;
    }

    // A save that cannot land reports false, soon, and leaves the folder as it was.
    void unwritable()
    {
        QFETCH(QByteArray, content);
        QFETCH(QFile::Permissions, fileMode);
        QFETCH(QFile::Permissions, folderMode);
        QFETCH(QString, lockFile);
        const Unprivileged user;
        if (!user.ok())
            QSKIP("cannot drop root rights, which ignore file permissions");
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"Horavane.conf"_s);
        QVERIFY(content.isNull() || writeFile(path, content, fileMode));
        QVERIFY(lockFile.isEmpty() || SettingsFixture::writeFile(dir.filePath(lockFile), {}));
        QVERIFY(QFile::setPermissions(dir.path(), folderMode));
        {
            const auto restore = qScopeGuard([&] {
                QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
            });
            QVERIFY(!DefaultSettings(path).saveInteger(u"new"_s, 2));
        }
        QCOMPARE(readFile(path), content);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 content.isNull() ? QStringList() : QStringList{u"Horavane.conf"_s});
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestDefaultSettings)
#include "tst_defaultsettings.moc"
