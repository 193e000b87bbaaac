#pragma once

#include <QAnyStringView>
#include <QByteArray>
#include <QSize>
#include <QString>
#include <QVariant>

namespace AppUtils {

// Typed access to one INI settings file. Values are stored as text, so the file stays readable
// and editable by hand; whatever a hand edit leaves that does not read as the asked-for type
// reads as the caller's fallback. Keys may name a group with '/' ("Donation/hideAtLaunch").
//
// Every save is written to disk at once, atomically (a new file renamed over the old one),
// and reports whether it landed. A save changes the text of its own key only: comments, blank
// lines, the order of keys and whatever else a hand wrote stay as they were. A file that exists
// but cannot be read whole (unreadable, over 1 MiB, not a regular file) is neither read nor
// written: its values read as the fallbacks, and one line on stderr says why. A damaged file
// (not text, or a quote left open that would swallow the saved line) is rewritten clean by the
// next save, with every key that could be read.
//
// Hostile files: a value longer than 16 KiB (none of ours comes near; a deeply nested @Variant
// would crash QSettings) is dropped from the file before anything reads it, and the rest kept; a file that cannot be
// rewritten without it reads as empty and is not written.
// When the file is a link, it is written through only to a file that reads as settings (text,
// each line a comment, a [section] or a key=value). A lock on the file that can never clear
// (a link, an empty folder, or one left empty by a process killed while saving) is removed;
// one that cannot be removed or taken within two seconds fails the save. Each such refusal
// says why in one line on stderr.
//
// Main thread only; several objects on the same file see each other's saves.
class DefaultSettings
{
public:
    // The user's settings, in userFilePath().
    DefaultSettings();
    // The settings in filePath, created with its folders on the first save.
    explicit DefaultSettings(QString filePath);

    QString fileName() const;

    // The user's settings file, from the application's names:
    // $XDG_CONFIG_HOME/<organisation>/<application>.conf (~/.config by default): with both names
    // set, the file of QSettings(IniFormat, UserScope, <organisation>, <application>), and the
    // one Platform::FrameAutosave keeps window frames in. Looked up at each call.
    static QString userFilePath();

    // A value that is there but does not read as the type gives the fallback with a line on
    // stderr naming the key, the file and the value used (once per value).
    // "true" or "false" (any case), "1" or "0". Anything else, or no value: fallback.
    bool loadBool(QAnyStringView key, bool fallback) const;
    // A decimal integer within the range of qint64. Anything else, or no value: fallback.
    qint64 loadInteger(QAnyStringView key, qint64 fallback) const;
    // A finite decimal number. "nan", "inf", overflow, anything else, or no value: fallback.
    double loadDouble(QAnyStringView key, double fallback) const;
    // The stored text; a list (an unquoted ',' of a hand edit) as its items joined by ", ".
    // No value: fallback.
    QString loadString(QAnyStringView key, const QString &fallback) const;

    // Each stores the value so that the matching load, also after a restart, returns it
    // exactly (doubles as their shortest exact text). False when the file cannot be read or
    // written. A value that could not be written into an existing file stays pending in this
    // process: loads see it, and the next save or sync() that can write the file writes it.
    // A save refused before writing (see above) stores nothing.
    bool saveBool(QAnyStringView key, bool value);
    bool saveInteger(QAnyStringView key, qint64 value);
    // False, and nothing stored, for NaN or an infinity: they could not be read back.
    bool saveDouble(QAnyStringView key, double value);
    // False, and nothing stored, for a text over 4000 characters.
    bool saveString(QAnyStringView key, const QString &value);

    // Bytes and sizes as QSettings stores a QByteArray and a QSize ("@ByteArray(…)",
    // "@Size(w h)"), for window frames. Anything else stored, or no value: empty, invalid.
    QByteArray loadBytes(QAnyStringView key) const;
    QSize loadSize(QAnyStringView key) const;
    bool saveBytes(QAnyStringView key, const QByteArray &value);
    bool saveSize(QAnyStringView key, QSize value);

    // Writes any value still pending from a failed save. True when the file could be read
    // and nothing is left pending.
    bool sync();

    // Says on stderr that key's stored text is not what was expected, and which value is used.
    void warnUnreadable(QAnyStringView key, const QString &text, const QString &expected, const QString &used) const;

private:
    bool save(QAnyStringView key, const QVariant &value);

    QString m_path;
};

// The shared settings of the application: the user's settings file.
DefaultSettings &Defaults();

} // namespace AppUtils
