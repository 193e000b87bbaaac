#include <Extensions/CellsDelegate.h>

#include <QPainter>
#include <QStyle>

namespace Extensions {

CellsDelegate::CellsDelegate(QString (*isolate)(const QString &), QObject *parent)
    : QStyledItemDelegate(parent)
    , m_isolate(isolate)
{
}

QString CellsDelegate::displayText(const QVariant &value, const QLocale &locale) const
{
    return m_isolate(QStyledItemDelegate::displayText(value, locale));
}

void CellsDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = index.data(Qt::DisplayRole).toString();
    // Cells for a plain line of text: with an icon, a check box or the focus frame, Qt draws it.
    const bool plain = !(item.features & (QStyleOptionViewItem::HasDecoration | QStyleOptionViewItem::HasCheckIndicator))
        && !(item.state & QStyle::State_HasFocus);
    if (!plain || !item.widget || !CellFont::fits(text) || !cellsOf(item.font, *item.widget))
        return QStyledItemDelegate::paint(painter, option, index);
    // Where the style lays out such a line: aligned in the item's rectangle within its margins.
    const QStyle &style = *item.widget->style();
    const int margin = style.pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, item.widget) + 1;
    const QRect area = item.rect.adjusted(margin, 0, -margin, 0);
    const qreal advance = m_cells->advance(QStringView(text));
    if (advance > area.width())
        return QStyledItemDelegate::paint(painter, option, index); // elided as the style elides
    style.drawPrimitive(QStyle::PE_PanelItemViewItem, &item, painter, item.widget); // background, selection
    const QSize size = QSizeF(advance, m_cells->ascent() + m_cells->descent()).toSize();
    QPointF pen = QStyle::alignedRect(item.direction, item.displayAlignment, size, area).topLeft();
    pen.ry() += m_cells->ascent();
    QPalette::ColorGroup group = item.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && !(item.state & QStyle::State_Active))
        group = QPalette::Inactive;
    const QColor ink = item.palette.color(group, item.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text);
    for (const QChar character : text) {
        m_cells->draw(*painter, pen, character, ink);
        pen.rx() += m_cells->advance(character);
    }
}

bool CellsDelegate::cellsOf(const QFont &font, const QWidget &widget) const
{
    if (m_cellsFont != font) {
        m_cellsFont = font;
        m_cells = CellFont::of(font, widget);
    }
    return m_cells.has_value();
}

} // namespace Extensions
