#pragma once

#include <Extensions/CellFont.h>

#include <QStaticText>
#include <QStringList>
#include <QTextLine>
#include <QVarLengthArray>
#include <QWidget>

#include <optional>

class QTextLayout;

namespace Extensions {

// One line of text that changes often and can be selected and copied like a selectable label,
// but never asks its layout for room: it is as wide as the widest text it was told to expect,
// so a new text only repaints it. In a fixed-pitch font its characters are cells: a new text
// repaints only the cells that changed, copying each glyph from a cache. Any other text is
// shaped once per text, not once per paint.
class Readout : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)

public:
    explicit Readout(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    // Repaints what changed of this widget alone, and only when the text differs. A selection
    // keeps its place, cut to the new text's length.
    void setText(const QString &text);

    // Draws length characters from start in the palette's dimmed text colour, as digits
    // that say less than they seem to; length 0 for none. Kept across texts.
    void setDimmed(int start, int length);

    // The widest of samples, in the font at the time it is drawn, is the width of the text
    // area from now on, measured again when the font changes. A text that turns out wider
    // still widens it once, rather than being cut, and counts as a sample from then on.
    void reserveWidthFor(const QStringList &samples);

    bool hasSelectedText() const { return m_anchor != m_cursor; }
    QString selectedText() const;
    void setSelection(int start, int length);
    int cursorPosition() const { return m_cursor; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public Q_SLOTS:
    void copy() const;
    void selectAll();

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    friend class AccessibleReadout;

    // Where the first line's top left corner is drawn, centred vertically: at the left, or at
    // the right where the window reads right to left, so that the text stays beside its caption.
    QPointF textOrigin() const;
    qreal textAdvance() const;
    // Lays out the text of layout (this widget's text, in its font) on one line, as it is
    // drawn, for hit tests and for drawing a selection.
    static QTextLine layOut(QTextLayout &layout);
    // The boundary before character offset, from the text's origin.
    qreal cursorX(int offset) const;
    // The character boundary nearest to x from the text's origin, or the character x is on.
    int cursorAt(qreal x, QTextLine::CursorPosition position = QTextLine::CursorBetweenCharacters) const;
    void select(int anchor, int cursor);
    // Offers the selection to X11's middle-button paste, as selecting text does everywhere there.
    void offerSelection() const;
    void measure();
    qreal advanceOf(const QString &text) const;
    // The cells of the text, when its font and characters allow them, keeping those of its first
    // `kept` characters; none otherwise.
    void layOutCells(qsizetype kept);
    // What changed from the text `before`, laid out in edgesBefore, whose first `first`
    // characters were the same: the cells that differ, with their glyphs' reach; all of it when
    // the text is shaped or moved.
    QRect changedArea(const QString &before, const QVarLengthArray<qreal, 48> &edgesBefore, qsizetype first) const;
    void paintCells(QPainter &painter, const QRect &exposed, QPointF origin) const;
    void paintShaped(QPainter &painter, QPointF origin);

    QString m_text;
    std::optional<Extensions::CellFont> m_cellFont; // while the font is fixed-pitch
    // [i]: the left edge of character i's cell from the text's origin, [size]: the text's end;
    // empty while the text is shaped.
    QVarLengthArray<qreal, 48> m_edges;
    QStaticText m_shaped;
    QStringList m_samples;
    int m_textWidth = 0;
    int m_textHeight = 0;
    mutable std::optional<qreal> m_advance; // of shaped text, measured when it is drawn from the right
    int m_dimmedStart = 0;
    int m_dimmedLength = 0;
    int m_anchor = 0;
    int m_cursor = 0;
    bool m_dragging = false;
};

} // namespace Extensions
