#include "AppUtils/BoundedFile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace AppUtils {

BoundedRead readBoundedFile(const QString &path, qint64 maxBytes, Links links)
{
    const int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | (links == Links::refuse ? O_NOFOLLOW : 0);
    const int fd = ::open(QFile::encodeName(path).constData(), flags);
    if (fd < 0) {
        if (errno == ENOENT)
            return {};
        return {BoundedRead::Status::failed, {}, QString::fromLocal8Bit(std::strerror(errno))};
    }
    struct Closer
    {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat st{};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return {BoundedRead::Status::refused, {}, u"is not a regular file"_s};
    const auto tooLarge = [maxBytes] {
        return BoundedRead{BoundedRead::Status::refused, {}, u"is larger than %1 bytes"_s.arg(maxBytes)};
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
            return {BoundedRead::Status::failed, {}, QString::fromLocal8Bit(std::strerror(errno))};
        if (got == 0)
            break;
        filled += got;
    }
    if (filled > maxBytes)
        return tooLarge();
    data.truncate(filled);
    return {BoundedRead::Status::read, std::move(data), {}};
}

} // namespace AppUtils
