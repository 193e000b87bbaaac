#include "RegularFile.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::variant<QByteArray, QString> readRegularFile(const QString &path, qsizetype maxBytes)
{
    const QString notRegular = QCoreApplication::translate("RegularFile", "not a regular file");
    const QByteArray name = QFile::encodeName(path);
    // Looked at before it is opened: opening a serial port or a tape drive has effects of its own.
    struct stat status
    {
    };
    if (::stat(name.constData(), &status) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (!S_ISREG(status.st_mode))
        return notRegular;
    // O_NONBLOCK: should the name have become a named pipe since, the open must not wait for a writer.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd == -1)
        return QString::fromLocal8Bit(std::strerror(errno));
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
        return notRegular;
    QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() > maxBytes)
        return QCoreApplication::translate("RegularFile", "larger than %1 MiB")
            .arg(double(maxBytes) / (1024 * 1024), 0, 'g', 3);
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    return bytes;
}
