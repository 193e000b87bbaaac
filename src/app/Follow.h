#pragma once

#include "scripting/FollowLine.h"

#include <QByteArray>

// Lines to a reader that may be slow or gone, written without ever waiting for it: the
// descriptor is made non-blocking while this lives (its flags are put back after). A line the
// reader has no room for is dropped, not queued, so what it reads is always recent; a line
// written in part keeps only its own remainder, written before the next line, so that no line
// is ever torn: if the remainder does not go whole either, that next line is dropped.
class LineOutput
{
public:
    enum class Result { written, dropped, closed, failed };

    explicit LineOutput(int fd);
    ~LineOutput();

    LineOutput(const LineOutput &) = delete;
    LineOutput &operator=(const LineOutput &) = delete;

    // closed: the reader has gone (EPIPE); failed: any other error, in errno.
    Result write(const QByteArray &line);

private:
    // Writes the front of bytes as far as the reader takes it; how much went. result is set
    // on an error only.
    qsizetype send(QByteArrayView bytes, Result &result);

    int m_fd;
    int m_flags; // as found, put back on destruction; -1 when unreadable
    QByteArray m_rest; // what a partial write left of the last line
};

// What each --follow line is.
struct FollowFormat
{
    enum class Kind { text, json, waybar };
    Kind kind = Kind::text;
    LineTemplate text; // for text and waybar

    QByteArray lineOf(const ClockReading &reading) const;
};

// Writes format's line to stdout at each second flip, from the stored settings and data files,
// until stdout closes (exit status 0) or cannot be written (1, with one line on stderr), or a
// termination signal (0). Needs the application object and the settings' names set.
int follow(const FollowFormat &format);
