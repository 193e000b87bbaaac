#include "Readout.h"

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
#include <utility>

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
        QTextLayout layout(readout().m_text, readout().font(), &readout());
        const QTextLine line = Readout::layOut(layout);
        const QPointF origin = readout().textOrigin();
        const QRectF local(origin.x() + line.cursorToX(offset), origin.y(),
            line.cursorToX(offset + 1) - line.cursorToX(offset), line.height());
        return QRect(readout().mapToGlobal(local.topLeft().toPoint()), local.size().toSize());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        const QPoint local = readout().mapFromGlobal(point);
        if (!readout().rect().contains(local))
            return -1;
        QTextLayout layout(readout().m_text, readout().font(), &readout());
        const QTextLine line = Readout::layOut(layout);
        const int offset = line.xToCursor(local.x() - readout().textOrigin().x(), QTextLine::CursorOnCharacter);
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
    m_shaped.setTextFormat(Qt::PlainText);
    measure();
}

void Readout::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    m_shaped.setText(text);
    m_dimmedParts.reset();
    m_advance.reset();
    // The same characters stay selected: in a read-out of fixed format that is the same
    // field, so a selection survives the next second.
    const int length = int(text.size());
    m_anchor = std::min(m_anchor, length);
    m_cursor = std::min(m_cursor, length);
    update();
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
    m_dimmedParts.reset();
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
    m_dimmedParts.reset();
    m_advance.reset();
    const QFontMetricsF metrics(font(), this);
    qreal widest = 0;
    for (const QString &sample : std::as_const(m_samples))
        widest = std::max(widest, metrics.horizontalAdvance(sample));
    m_textWidth = int(std::ceil(widest));
    m_textHeight = int(std::ceil(metrics.height()));
    updateGeometry();
}

// The text itself takes the direction of its own characters whatever the window's: numbers,
// times and coordinates, which have no letters, read left to right in every language.
QPointF Readout::textOrigin() const
{
    const QRect area = contentsRect();
    const QFontMetricsF metrics(font(), this);
    qreal left = area.left();
    if (isRightToLeft()) {
        if (!m_advance)
            m_advance = metrics.horizontalAdvance(m_text);
        left += area.width() - *m_advance;
    }
    return {left, area.top() + (area.height() - metrics.height()) / 2};
}

QTextLine Readout::layOut(QTextLayout &layout)
{
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    return line;
}

int Readout::offsetAt(qreal x) const
{
    QTextLayout layout(m_text, font(), this);
    return layOut(layout).xToCursor(x - textOrigin().x());
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

void Readout::paintEvent(QPaintEvent *)
{
    // The painter starts with this widget's font and its foreground role's colour.
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    const QPointF origin = textOrigin();
    if (hasSelectedText()) {
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
        return;
    }
    if (m_dimmedLength > 0) {
        // Three shaped parts side by side: a layout with formats would shape and draw glyph
        // by glyph every second.
        QPointF at = origin;
        const std::array<QStaticText, 3> &parts = dimmedParts();
        for (std::size_t part = 0; part < parts.size(); ++part) {
            painter.setPen(palette().color(part == 1 ? QPalette::PlaceholderText : foregroundRole()));
            painter.drawStaticText(at, parts[part]);
            at.rx() += parts[part].size().width();
        }
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

const std::array<QStaticText, 3> &Readout::dimmedParts()
{
    if (!m_dimmedParts) {
        m_dimmedParts.emplace();
        const qsizetype end = m_dimmedStart + m_dimmedLength;
        const QString texts[]{m_text.left(m_dimmedStart), m_text.mid(m_dimmedStart, m_dimmedLength), m_text.mid(end)};
        for (std::size_t part = 0; part < 3; ++part) {
            (*m_dimmedParts)[part] = m_shaped; // the same format and options
            (*m_dimmedParts)[part].setText(texts[part]);
        }
    }
    return *m_dimmedParts;
}

void Readout::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const int at = offsetAt(event->position().x());
    select(at, at);
    m_dragging = true;
}

void Readout::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return QWidget::mouseMoveEvent(event);
    select(m_anchor, offsetAt(event->position().x()));
}

void Readout::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_dragging)
        return QWidget::mouseReleaseEvent(event);
    m_dragging = false;
    select(m_anchor, offsetAt(event->position().x()));
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
