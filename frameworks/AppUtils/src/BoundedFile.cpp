#include "AppUtils/BoundedFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace AppUtils {

namespace {

BoundedRead failure()
{
    const QString why = QString::fromLocal8Bit(std::strerror(errno));
    return {errno == ENOENT ? BoundedRead::Status::missing : BoundedRead::Status::failed, {}, why};
}

BoundedRead notRegular()
{
    return {BoundedRead::Status::refused, {}, QCoreApplication::translate("BoundedFile", "not a regular file")};
}

} // namespace

BoundedRead readBoundedFile(const QString &path, qint64 maxBytes, Links links)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st{};
    if ((links == Links::refuse ? ::lstat(name.constData(), &st) : ::stat(name.constData(), &st)) != 0)
        return failure();
    if (!S_ISREG(st.st_mode))
        return notRegular();
    const int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | (links == Links::refuse ? O_NOFOLLOW : 0);
    const int fd = ::open(name.constData(), flags);
    if (fd < 0)
        return failure();
    struct Closer
    {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return notRegular();
    const auto tooLarge = [maxBytes] {
        return BoundedRead{BoundedRead::Status::refused, {},
            QCoreApplication::translate("BoundedFile", "larger than %1")
                .arg(QLocale().formattedDataSize(maxBytes, 0, QLocale::DataSizeIecFormat))};
    };
    if (st.st_size > maxBytes)
        return tooLarge();
    // Files of the kernel's report a size of 0 and may hold more: read to the end, one past the bound.
    QByteArray data(qsizetype(std::min<qint64>(maxBytes, st.st_size) + 1), Qt::Uninitialized);
    qsizetype filled = 0;
    for (;;) {
        if (filled == data.size()) {
            if (data.size() > maxBytes)
                return tooLarge();
            data.resize(qsizetype(std::min<qint64>(maxBytes + 1, data.size() * 2 + 4096)));
        }
        const ssize_t got = ::read(fd, data.data() + filled, size_t(data.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return failure();
        if (got == 0)
            break;
        filled += got;
    }
    if (filled > maxBytes)
        return tooLarge();
    data.truncate(filled);
    return {BoundedRead::Status::read, std::move(data), {}};
}

QString replaceFile(const QString &folder, const QString &name, const QByteArray &bytes)
{
    QSaveFile file(folder + u'/' + name);
    if (!QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()
        || !file.commit())
        return file.errorString();
    return {};
}

} // namespace AppUtils
