#pragma once

#include <QString>

namespace Extensions {

// Text set apart from the text around it for the Unicode bidirectional algorithm, so that it
// reads the same inside right-to-left text, where "05 35 16.8" would otherwise show as
// "16.8 35 05" and "−39.3°" as "39.3°−". The text around it, and where it is aligned, still
// follow the locale. For what a person sees, not for text to parse or to hand a screen reader.

// Left to right whatever it holds (LEFT-TO-RIGHT ISOLATE U+2066 … POP DIRECTIONAL ISOLATE
// U+2069): numbers, times and coordinates.
inline QString ltrIsolated(const QString &text)
{
    return QChar(0x2066) + text + QChar(0x2069);
}

// In the direction of its first letter, left to right when it has none (FIRST STRONG ISOLATE
// U+2068 … U+2069): a name or a phrase that may come in either script, "2 h 25 m ago".
inline QString firstStrongIsolated(const QString &text)
{
    return QChar(0x2068) + text + QChar(0x2069);
}

} // namespace Extensions
