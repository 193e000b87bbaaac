#pragma once

#include <QAnyStringView>
#include <QString>

namespace AppUtils {

// Typed access to one INI settings file. Values are stored as text, so the file stays readable
// and editable by hand; whatever a hand edit leaves that does not read as the asked-for type
// reads as the caller's fallback. Keys may name a group with '/' ("Donation/hideAtLaunch").
//
// Every save is written to disk at once, atomically (a new file renamed over the old one),
// and reports whether it landed. A file that exists but cannot be read is never written:
// that would drop the keys that could not be read. A file that reads with errors keeps every
// key that could be read and is rewritten clean by the next save.
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

    // "true" or "false" (any case), "1" or "0". Anything else, or no value: fallback.
    bool loadBool(QAnyStringView key, bool fallback) const;
    // A decimal integer within the range of qint64. Anything else, or no value: fallback.
    qint64 loadInteger(QAnyStringView key, qint64 fallback) const;
    // A finite decimal number. "nan", "inf", overflow, anything else, or no value: fallback.
    double loadDouble(QAnyStringView key, double fallback) const;
    // The stored text. A list (an unquoted ',' in a hand edit), or no value: fallback.
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

    // Whether the file may be written now, for writers that reach it through a QSettings of
    // their own: no foreign file behind a link, no lock in the way, nothing that would crash the
    // writer. A QSettings write waits for the lock without end, and writes through links.
    bool mayWrite();

    // Writes any value still pending from a failed save. True when the file could be read
    // and nothing is left pending.
    bool sync();

private:
    bool save(QAnyStringView key, const QString &text);

    QString m_path;
};

// The shared settings of the application: the user's settings file.
DefaultSettings &Defaults();

} // namespace AppUtils
