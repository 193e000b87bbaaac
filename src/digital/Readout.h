#pragma once

#include <QStaticText>
#include <QStringList>
#include <QWidget>

#include <array>
#include <optional>

class QTextLayout;
class QTextLine;

// One line of text that changes often and can be selected and copied like a selectable label,
// but never asks its layout for room: it is as wide as the widest text it was told to expect,
// so a new text only repaints it. The text is shaped once per text, not once per paint.
class Readout : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)

public:
    explicit Readout(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    // Repaints this widget alone, and only when the text differs. A selection keeps its
    // place, cut to the new text's length.
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
    // Lays out the text of layout (this widget's text, in its font) on one line, as it is
    // drawn, for hit tests and for drawing a selection.
    static QTextLine layOut(QTextLayout &layout);
    // The character boundary nearest to x, in widget coordinates.
    int offsetAt(qreal x) const;
    void select(int anchor, int cursor);
    // Offers the selection to X11's middle-button paste, as selecting text does everywhere there.
    void offerSelection() const;
    void measure();
    // The text before the dimmed characters, they, and the rest, each shaped once per text.
    const std::array<QStaticText, 3> &dimmedParts();

    QString m_text;
    QStaticText m_shaped;
    QStringList m_samples;
    int m_textWidth = 0;
    int m_textHeight = 0;
    mutable std::optional<qreal> m_advance; // of the text, measured when it is drawn from the right
    int m_dimmedStart = 0;
    int m_dimmedLength = 0;
    std::optional<std::array<QStaticText, 3>> m_dimmedParts; // made when first drawn
    int m_anchor = 0;
    int m_cursor = 0;
    bool m_dragging = false;
};
