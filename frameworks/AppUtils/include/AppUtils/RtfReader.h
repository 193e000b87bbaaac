#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

namespace AppUtils {

// A stretch of text with one look.
struct RtfRun
{
    // QChar::ParagraphSeparator ends a paragraph, QChar::LineSeparator breaks a line, '\t' is a
    // tab; no other control characters, and no unpaired surrogates.
    QString text;
    bool bold = false;
    bool italic = false;
    QString link; // target of the HYPERLINK field the text is the result of; empty outside links

    friend bool operator==(const RtfRun &, const RtfRun &) = default;
};

} // namespace AppUtils

// A message can hold a run for every few bytes: growing the list moves them as plain bytes.
Q_DECLARE_TYPEINFO(AppUtils::RtfRun, Q_RELOCATABLE_TYPE);

namespace AppUtils {

// Reads the text of a Rich Text Format document, keeping what a short message needs:
// paragraphs and line breaks, bold and italic, HYPERLINK fields, and the characters
// (cp1252 bytes and escapes, \uN with its \ucN fallback). Fonts, colours, sizes, tables,
// pictures and other destinations are left out.
//
// Any input gives an answer: braces that do not balance, truncated escapes, junk bytes and
// \bin data give what text they hold. Work and memory grow linearly with the input: groups
// nested deeper than maxDepth share the state of the deepest one and cannot change it.
class RtfReader
{
public:
    static constexpr int maxDepth = 100;

    // Adjacent runs differ in look; none is empty. Trailing paragraph and line breaks dropped.
    static QList<RtfRun> read(QByteArrayView rtf);
};

} // namespace AppUtils
