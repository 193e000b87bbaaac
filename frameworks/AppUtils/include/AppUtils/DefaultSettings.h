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
// A lock on the file left behind by a process killed while saving is cleared when the object
// is made, so that saves do not wait for it to go stale.
//
// Main thread only; several objects on the same file see each other's saves.
class DefaultSettings
{
public:
    // The user's settings: $XDG_CONFIG_HOME/Horavane/Horavane.conf (~/.config by default),
    // the file of QSettings(IniFormat, UserScope, "Horavane", "Horavane").
    DefaultSettings();
    // The settings in filePath, created with its folders on the first save.
    explicit DefaultSettings(QString filePath);

    QString fileName() const;

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
    bool saveBool(QAnyStringView key, bool value);
    bool saveInteger(QAnyStringView key, qint64 value);
    // False, and nothing stored, for NaN or an infinity: they could not be read back.
    bool saveDouble(QAnyStringView key, double value);
    bool saveString(QAnyStringView key, const QString &value);

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
