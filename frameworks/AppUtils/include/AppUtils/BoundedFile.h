#pragma once

#include <QByteArray>
#include <QString>

namespace AppUtils {

// The outcome of reading a file we did not write.
struct BoundedRead
{
    // missing: no file by that name (ENOENT); failed: the system refused to open or read it
    // (strerror's text in why); refused: not a regular file, or larger than the bound.
    enum class Status { read, missing, failed, refused };
    Status status = Status::missing;
    QByteArray data; // the whole file, when read
    QString why; // unless read: why, a phrase ("No such file or directory", "not a regular file")
};

enum class Links { follow, refuse };

// Reads the regular file at path whole, when it holds at most maxBytes. Anything else behind
// the name is refused before it is opened (opening a serial port or a tape drive has effects of
// its own); the open never blocks (O_NONBLOCK: a FIFO put there since cannot stall it), is not
// inherited by child processes, and with Links::refuse does not follow a link in the last
// component. What was opened must be a regular file (fstat); one larger than maxBytes, or that
// grows past it while being read, is refused without reading the rest: never more than
// maxBytes + 1 bytes are read.
BoundedRead readBoundedFile(const QString &path, qint64 maxBytes, Links links = Links::follow);

// Writes bytes as the file name in folder (made first if need be) in one step: a file of that
// name stays whole until the new one replaces it. Empty once written, else why not.
QString replaceFile(const QString &folder, const QString &name, const QByteArray &bytes);

} // namespace AppUtils
