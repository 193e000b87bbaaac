#include "Extensions/Readout.h"

#include <QAccessibleWidget>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace Extensions {

// What a screen reader finds: a label whose name is the text shown, with the text and its
// selection readable as text too.
class AccessibleReadout : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit AccessibleReadout(Readout *readout)
        : QAccessibleWidget(readout, QAccessible::StaticText)
    {
    }

    static QAccessibleInterface *make(const QString &key, QObject *object)
    {
        if (key != QLatin1StringView(Readout::staticMetaObject.className()))
            return nullptr;
        auto *readout = qobject_cast<Readout *>(object);
        return readout ? new AccessibleReadout(readout) : nullptr;
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return readout().accessibleName().isEmpty() ? readout().text() : readout().accessibleName();
        case QAccessible::Value:
            return readout().text();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.selectableText = true;
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        const bool any = selectionIndex == 0 && readout().hasSelectedText();
        *startOffset = any ? std::min(readout().m_anchor, readout().m_cursor) : 0;
        *endOffset = any ? std::max(readout().m_anchor, readout().m_cursor) : 0;
    }
    int selectionCount() const override { return readout().hasSelectedText() ? 1 : 0; }
    // One selection at most, as in a label.
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0)
            readout().select(readout().m_cursor, readout().m_cursor);
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex == 0)
            readout().setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override { return readout().cursorPosition(); }
    void setCursorPosition(int position) override { readout().setSelection(position, 0); }

    QString text(int startOffset, int endOffset) const override
    {
        const QString &all = readout().m_text;
        startOffset = std::clamp(startOffset, 0, int(all.size()));
        endOffset = endOffset < 0 ? int(all.size()) : std::clamp(endOffset, startOffset, int(all.size()));
        return all.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(readout().m_text.size()); }

    QRect characterRect(int offset) const override
    {
        if (offset < 0 || offset >= characterCount())
            return {};
        const QPointF origin = readout().textOrigin();
        const qreal left = readout().cursorX(offset);
        const QRectF local(origin.x() + left, origin.y(), readout().cursorX(offset + 1) - left,
            QFontMetricsF(readout().font(), &readout()).height());
        return QRect(readout().mapToGlobal(local.topLeft().toPoint()), local.size().toSize());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        const QPoint local = readout().mapFromGlobal(point);
        if (!readout().rect().contains(local))
            return -1;
        const int offset = readout().cursorAt(local.x() - readout().textOrigin().x(), QTextLine::CursorOnCharacter);
        return offset < characterCount() ? offset : -1;
    }
    void scrollToSubstring(int, int) override {} // always wholly shown
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return {};
    }

private:
    Readout &readout() const { return *static_cast<Readout *>(widget()); }
};

Readout::Readout(QWidget *parent)
    : QWidget(parent)
{
    static const bool factoryInstalled = (QAccessible::installFactory(&AccessibleReadout::make), true);
    Q_UNUSED(factoryInstalled);
    // Its size never follows the text, so the layout can keep what it measured.
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // Like a label whose text is selectable by mouse.
    setFocusPolicy(Qt::ClickFocus);
    setCursor(Qt::IBeamCursor);
    // It paints every pixel of what is repainted, so the window under it is left alone.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_shaped.setTextFormat(Qt::PlainText);
    measure();
}

void Readout::setText(const QString &text)
{
    if (text == m_text)
        return;
    const QString before = std::exchange(m_text, text);
    const QVarLengthArray<qreal, 48> edgesBefore = m_edges;
    // A clock's text changes at its end: the cells before the first change stay where they are.
    const auto firstChange = std::mismatch(before.cbegin(), before.cend(), text.cbegin(), text.cend()).first - before.cbegin();
    layOutCells(firstChange);
    if (m_edges.isEmpty())
        m_shaped.setText(text);
    m_advance.reset();
    // The same characters stay selected: in a read-out of fixed format that is the same
    // field, so a selection survives the next second.
    const int length = int(text.size());
    m_anchor = std::min(m_anchor, length);
    m_cursor = std::min(m_cursor, length);
    update(changedArea(before, edgesBefore, firstChange));
    if (QAccessible::isActive() && accessibleName().isEmpty()) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void Readout::setDimmed(int start, int length)
{
    if (start == m_dimmedStart && length == m_dimmedLength)
        return;
    m_dimmedStart = start;
    m_dimmedLength = length;
    update();
}

void Readout::reserveWidthFor(const QStringList &samples)
{
    m_samples = samples;
    measure();
}

QString Readout::selectedText() const
{
    const int start = std::min(m_anchor, m_cursor);
    return m_text.mid(start, std::abs(m_cursor - m_anchor));
}

void Readout::setSelection(int start, int length)
{
    const int size = int(m_text.size());
    const int from = std::clamp(start, 0, size);
    select(from, from + std::clamp(length, -from, size - from));
}

QSize Readout::sizeHint() const
{
    const QMargins margins = contentsMargins();
    return {m_textWidth + margins.left() + margins.right(), m_textHeight + margins.top() + margins.bottom()};
}

QSize Readout::minimumSizeHint() const
{
    return sizeHint();
}

void Readout::copy() const
{
    if (hasSelectedText())
        QGuiApplication::clipboard()->setText(selectedText());
}

void Readout::selectAll()
{
    select(0, int(m_text.size()));
    offerSelection();
}

bool Readout::event(QEvent *event)
{
    // Ctrl+C and Ctrl+A reach this widget before any window shortcut, as they do a label.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll)) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void Readout::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        measure();
    QWidget::changeEvent(event);
}

void Readout::measure()
{
    m_advance.reset();
    m_cellFont = Extensions::CellFont::of(font(), *this);
    qreal widest = 0;
    for (const QString &sample : std::as_const(m_samples))
        widest = std::max(widest, advanceOf(sample));
    m_textWidth = int(std::ceil(widest));
    m_textHeight = int(std::ceil(QFontMetricsF(font(), this).height()));
    layOutCells(0);
    if (m_edges.isEmpty())
        m_shaped.setText(m_text);
    updateGeometry();
}

qreal Readout::advanceOf(const QString &text) const
{
    if (!m_cellFont || !Extensions::CellFont::fits(text))
        return QFontMetricsF(font(), this).horizontalAdvance(text);
    return m_cellFont->advance(QStringView(text));
}

void Readout::layOutCells(qsizetype kept)
{
    if (!m_cellFont || !Extensions::CellFont::fits(m_text)) {
        m_edges.clear();
        return;
    }
    m_edges.resize(m_edges.isEmpty() ? 1 : std::min(kept, m_edges.size() - 1) + 1);
    m_edges.front() = 0;
    for (qsizetype i = m_edges.size() - 1; i < m_text.size(); ++i)
        m_edges.append(m_edges.back() + m_cellFont->advance(m_text[i]));
    // A text wider than all that was reserved for widens the read-out rather than losing its
    // end, and is reserved for in any font from now on.
    if (const int needed = int(std::ceil(m_edges.back())); needed > m_textWidth) {
        m_samples.append(m_text);
        m_textWidth = needed;
        updateGeometry();
    }
}

QRect Readout::changedArea(const QString &before, const QVarLengthArray<qreal, 48> &edgesBefore, qsizetype first) const
{
    // Drawn from the right, a text of another length moves as a whole.
    if (m_edges.isEmpty() || edgesBefore.isEmpty() || (isRightToLeft() && edgesBefore.back() != m_edges.back()))
        return rect();
    const auto edge = [](const QVarLengthArray<qreal, 48> &edges, qsizetype i) {
        return edges[std::min(i, edges.size() - 1)];
    };
    const auto character = [](const QString &text, qsizetype i) { return i < text.size() ? text[i] : QChar(); };
    qsizetype last = first;
    for (qsizetype i = first; i < std::max(before.size(), m_text.size()); ++i) {
        if (character(before, i) != character(m_text, i) || edge(edgesBefore, i + 1) != edge(m_edges, i + 1))
            last = i;
    }
    // The ink of each changed cell's glyph, the one it had and the one it has.
    qreal left = std::numeric_limits<qreal>::max(), right = std::numeric_limits<qreal>::lowest();
    for (qsizetype i = first; i <= last; ++i) {
        for (const auto &[text, edges] : {std::pair(&before, &edgesBefore), std::pair(&m_text, &m_edges)}) {
            if (i >= text->size())
                continue;
            const qreal reach = m_cellFont->reach(text->at(i));
            left = std::min(left, (*edges)[i] - reach);
            right = std::max(right, (*edges)[i + 1] + reach);
        }
    }
    const qreal origin = textOrigin().x();
    left += origin;
    right += origin;
    return QRectF(left, 0, right - left, height()).toAlignedRect() & rect();
}

// The text itself takes the direction of its own characters whatever the window's: numbers,
// times and coordinates, which have no letters, read left to right in every language.
QPointF Readout::textOrigin() const
{
    const QRect area = contentsRect();
    const qreal height = m_edges.isEmpty() ? QFontMetricsF(font(), this).height() : m_cellFont->height();
    const qreal left = isRightToLeft() ? area.left() + area.width() - textAdvance() : area.left();
    return {left, area.top() + (area.height() - height) / 2};
}

qreal Readout::textAdvance() const
{
    if (!m_edges.isEmpty())
        return m_edges.back();
    if (!m_advance)
        m_advance = QFontMetricsF(font(), this).horizontalAdvance(m_text);
    return *m_advance;
}

QTextLine Readout::layOut(QTextLayout &layout)
{
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    return line;
}

qreal Readout::cursorX(int offset) const
{
    if (!m_edges.isEmpty())
        return m_edges[std::clamp(offset, 0, int(m_text.size()))];
    QTextLayout layout(m_text, font(), this);
    return layOut(layout).cursorToX(offset);
}

int Readout::cursorAt(qreal x, QTextLine::CursorPosition position) const
{
    if (m_edges.isEmpty()) {
        QTextLayout layout(m_text, font(), this);
        return layOut(layout).xToCursor(x, position);
    }
    const int size = int(m_text.size());
    const int cell = int(std::upper_bound(m_edges.cbegin(), m_edges.cend(), x) - m_edges.cbegin()) - 1;
    if (cell < 0 || cell >= size)
        return std::clamp(cell, 0, size);
    if (position == QTextLine::CursorOnCharacter)
        return cell;
    return x - m_edges[cell] < m_edges[cell + 1] - x ? cell : cell + 1;
}

void Readout::select(int anchor, int cursor)
{
    if (anchor == m_anchor && cursor == m_cursor)
        return;
    const bool repaint = hasSelectedText() || anchor != cursor;
    m_anchor = anchor;
    m_cursor = cursor;
    if (!repaint)
        return;
    update();
    if (QAccessible::isActive()) {
        QAccessibleTextSelectionEvent changed(this, std::min(anchor, cursor), std::max(anchor, cursor));
        changed.setCursorPosition(cursor);
        QAccessible::updateAccessibility(&changed);
    }
}

void Readout::offerSelection() const
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (hasSelectedText() && clipboard->supportsSelection())
        clipboard->setText(selectedText(), QClipboard::Selection);
}

void Readout::paintEvent(QPaintEvent *event)
{
    // The painter starts with this widget's font and its foreground role's colour.
    QPainter painter(this);
    // Opaque, so that nothing under it is painted again each second.
    painter.fillRect(event->rect(), palette().window());
    const QPointF origin = textOrigin();
    if (m_edges.isEmpty())
        paintShaped(painter, origin);
    else
        paintCells(painter, event->rect(), origin);
}

void Readout::paintCells(QPainter &painter, const QRect &exposed, QPointF origin) const
{
    const int selectionStart = std::min(m_anchor, m_cursor), selectionEnd = std::max(m_anchor, m_cursor);
    if (selectionStart != selectionEnd)
        painter.fillRect(QRectF(origin.x() + m_edges[selectionStart], origin.y(),
                             m_edges[selectionEnd] - m_edges[selectionStart], m_cellFont->height()),
            palette().highlight());
    const qreal reach = m_cellFont->overhang(), baseline = origin.y() + m_cellFont->ascent();
    // The cells whose glyphs can reach into what is repainted: from the first whose right edge
    // is within reach of its left, to the last whose left edge is within reach of its right.
    const auto x = [&](qreal at) { return at - origin.x(); };
    const int from = int(std::upper_bound(m_edges.cbegin(), m_edges.cend(), x(exposed.left() - reach)) - m_edges.cbegin()) - 1;
    const int to = int(std::lower_bound(m_edges.cbegin(), m_edges.cend(), x(exposed.right() + 1 + reach)) - m_edges.cbegin());
    const QPalette &colours = palette();
    for (int i = std::max(0, from); i < std::min(int(m_text.size()), to); ++i) {
        const qreal reachOf = m_cellFont->reach(m_text[i]);
        if (m_edges[i + 1] + reachOf <= x(exposed.left()) || m_edges[i] - reachOf >= x(exposed.right() + 1))
            continue; // its ink falls outside what is repainted
        QPalette::ColorRole role = foregroundRole();
        if (i >= selectionStart && i < selectionEnd)
            role = QPalette::HighlightedText;
        else if (i >= m_dimmedStart && i < m_dimmedStart + m_dimmedLength)
            role = QPalette::PlaceholderText;
        m_cellFont->draw(painter, {origin.x() + m_edges[i], baseline}, m_text[i], colours.color(role));
    }
}

void Readout::paintShaped(QPainter &painter, QPointF origin)
{
    painter.setClipRect(contentsRect());
    if (hasSelectedText() || m_dimmedLength > 0) {
        QTextLayout layout(m_text, font(), this);
        layOut(layout);
        QTextLayout::FormatRange dimmed;
        dimmed.start = m_dimmedStart;
        dimmed.length = m_dimmedLength;
        dimmed.format.setForeground(palette().brush(QPalette::PlaceholderText));
        QTextLayout::FormatRange selected;
        selected.start = std::min(m_anchor, m_cursor);
        selected.length = std::abs(m_cursor - m_anchor);
        selected.format.setBackground(palette().brush(QPalette::Highlight));
        selected.format.setForeground(palette().brush(QPalette::HighlightedText));
        layout.draw(&painter, origin, {dimmed, selected});
    } else {
        painter.drawStaticText(origin, m_shaped);
    }
    // Drawing measured the text: one wider than all that was reserved for widens the
    // read-out rather than losing its end, and is reserved for in any font from now on.
    if (const int needed = int(std::ceil(m_shaped.size().width())); needed > m_textWidth) {
        m_samples.append(m_text);
        m_textWidth = needed;
        updateGeometry();
    }
}

void Readout::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const int at = cursorAt(event->position().x() - textOrigin().x());
    select(at, at);
    m_dragging = true;
}

void Readout::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return QWidget::mouseMoveEvent(event);
    select(m_anchor, cursorAt(event->position().x() - textOrigin().x()));
}

void Readout::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_dragging)
        return QWidget::mouseReleaseEvent(event);
    m_dragging = false;
    select(m_anchor, cursorAt(event->position().x() - textOrigin().x()));
    offerSelection();
}

void Readout::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseDoubleClickEvent(event);
    m_dragging = false;
    selectAll();
}

void Readout::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy))
        copy();
    else if (event->matches(QKeySequence::SelectAll))
        selectAll();
    else
        QWidget::keyPressEvent(event);
}

void Readout::contextMenuEvent(QContextMenuEvent *event)
{
    // A selectable label's menu, in its words, which Qt's own translations already cover.
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction *copyAction = menu->addAction(QCoreApplication::translate("QWidgetTextControl", "&Copy"));
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setEnabled(hasSelectedText());
    connect(copyAction, &QAction::triggered, this, &Readout::copy);
    QAction *allAction = menu->addAction(QCoreApplication::translate("QWidgetTextControl", "Select All"));
    allAction->setShortcut(QKeySequence::SelectAll);
    allAction->setEnabled(!m_text.isEmpty());
    connect(allAction, &QAction::triggered, this, &Readout::selectAll);
    menu->popup(event->globalPos());
}

void Readout::focusOutEvent(QFocusEvent *event)
{
    // Clicking elsewhere lets go of the selection; opening its menu or leaving the window does not.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        select(m_cursor, m_cursor);
    QWidget::focusOutEvent(event);
}

} // namespace Extensions
