#include "TestFiles.h"

#include <AppUtils/DefaultSettings.h>

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <bit>
#include <limits>

using namespace Qt::StringLiterals;
using AppUtils::DefaultSettings;

namespace {

// Loads and saves through the typed function that matches the value's type.
QVariant load(const DefaultSettings &settings, const QString &key, const QVariant &fallback)
{
    switch (fallback.typeId()) {
    case QMetaType::Bool: return settings.loadBool(key, fallback.toBool());
    case QMetaType::LongLong: return settings.loadInteger(key, fallback.toLongLong());
    case QMetaType::Double: return settings.loadDouble(key, fallback.toDouble());
    default: return settings.loadString(key, fallback.toString());
    }
}

bool save(DefaultSettings &settings, const QString &key, const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Bool: return settings.saveBool(key, value.toBool());
    case QMetaType::LongLong: return settings.saveInteger(key, value.toLongLong());
    case QMetaType::Double: return settings.saveDouble(key, value.toDouble());
    default: return settings.saveString(key, value.toString());
    }
}

// Doubles compare by their bits, so that -0.0 is not taken for 0.0.
QVariant exact(const QVariant &value)
{
    return value.typeId() == QMetaType::Double ? QVariant(std::bit_cast<quint64>(value.toDouble())) : value;
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
        QTest::newRow("false") << QVariant(false);
        QTest::newRow("int64 min") << QVariant(std::numeric_limits<qint64>::min());
        QTest::newRow("negative zero") << QVariant(-0.0);
        QTest::newRow("smallest subnormal") << QVariant(std::numeric_limits<double>::denorm_min());
        QTest::newRow("comma") << QVariant(u"a, b"_s);
        QTest::newRow("INI syntax, breaks, non-Latin") << QVariant(u" [x]=;#\\\n Ωμέγα ☉ 時"_s);
    }

    void roundTrip()
    {
        QFETCH(QVariant, value);
        const QString path = m_dir.filePath(QLatin1StringView(QTest::currentDataTag()));
        DefaultSettings settings(path);
        QVERIFY(save(settings, u"G/k"_s, value));   // read back as the next launch would
        QVariant fallback = value.typeId() == QMetaType::Bool ? QVariant(!value.toBool()) : QVariant(42);
        QVERIFY(fallback.convert(value.metaType()));
        QCOMPARE(exact(load(reread(path), u"G/k"_s, fallback)), exact(value));
    }

    // Whatever a hand edit leaves that is not a value of the asked-for type reads as the fallback.
    void handEdits_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QVariant>("fallback");
        QTest::addColumn<QVariant>("expected");
        const QVariant no(false), seven(qint64(7)), half(0.5), text(u"fallback"_s);
        QTest::newRow("bool 1") << QByteArray("k=1") << no << QVariant(true);
        QTest::newRow("bool number") << QByteArray("k=2") << no << no;
        QTest::newRow("int past max") << QByteArray("k=9223372036854775808") << seven << seven;
        QTest::newRow("double nan") << QByteArray("k=nan") << half << half;
        QTest::newRow("double overflow") << QByteArray("k=1e999") << half << half;
        QTest::newRow("string list") << QByteArray("k=a,b") << text << text;
        QTest::newRow("binary file") << QByteArray("\xff\xfe\0[\x80\n=\x01", 9) << seven << seven;
    }

    void handEdits()
    {
        QFETCH(QByteArray, file);
        QFETCH(QVariant, fallback);
        QFETCH(QVariant, expected);
        const QString path = m_dir.filePath(QLatin1StringView(QTest::currentDataTag()) + u".edit"_s);
        QVERIFY(writeFile(path, file));
        QCOMPARE(load(DefaultSettings(path), u"k"_s, fallback), expected);
    }

    // A section header without its ']' is a format error; the keys that could be read stay, and
    // a save that is the first reading of the file lands and says so.
    void corruptFileIsRepaired()
    {
        const QString path = m_dir.filePath(u"corrupt.conf"_s);
        QVERIFY(writeFile(path, "[General]\nkept=5\n[broken\n"));
        QVERIFY(DefaultSettings(path).saveInteger(u"added"_s, 6));
        QCOMPARE(reread(path).loadInteger(u"kept"_s, 0), 5);
        QCOMPARE(reread(path).loadInteger(u"added"_s, 0), 6);
    }

    void nonFiniteDoubleIsRefused()
    {
        DefaultSettings settings(m_dir.filePath(u"nan.conf"_s));
        QVERIFY(settings.saveDouble(u"d"_s, 2.5));
        QVERIFY(!settings.saveDouble(u"d"_s, std::numeric_limits<double>::quiet_NaN()));
        QVERIFY(!settings.saveDouble(u"d"_s, -std::numeric_limits<double>::infinity()));
        QCOMPARE(settings.loadDouble(u"d"_s, 0), 2.5);
    }

    void unwritable_data()
    {
        QTest::addColumn<QByteArray>("content");   // null: no file
        QTest::addColumn<QFile::Permissions>("fileMode");
        QTest::addColumn<QFile::Permissions>("folderMode");
        const QFile::Permissions r = QFile::ReadOwner, w = QFile::WriteOwner, x = QFile::ExeOwner;
        const QByteArray good = "[General]\nkept=1\n";
        // Only a new file renamed over the old one keeps the old content whole when writing fails.
        QTest::newRow("read-only folder") << good << (r | w) << (r | x);
        QTest::newRow("read-only folder, no file") << QByteArray() << (r | w) << (r | x);
        QTest::newRow("read-only file") << good << r << (r | w | x);
        // Writing a file we cannot read would drop the keys we could not see.
        QTest::newRow("write-only file") << good << w << (r | w | x);
    }

    // A save that cannot land reports false and leaves the folder as it was.
    void unwritable()
    {
        QFETCH(QByteArray, content);
        QFETCH(QFile::Permissions, fileMode);
        QFETCH(QFile::Permissions, folderMode);
        const Unprivileged user;
        if (!user.ok())
            QSKIP("cannot drop root rights, which ignore file permissions");
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"Horavane.conf"_s);
        QVERIFY(content.isNull() || writeFile(path, content, fileMode));
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
