#pragma once

#include "CellFont.h"

#include <QStyledItemDelegate>

#include <optional>

namespace Extensions {

// Draws each cell of its column as isolate() sets it apart, so that numbers and coordinates
// keep their order in right-to-left locales. Only what is drawn changes: the cells' texts,
// which screen readers read, stay plain. A text in a fixed-pitch font is drawn as cells instead,
// which read left to right by themselves: shaping a table's clocks every second costs
// more than the rest of the clock.
class CellsDelegate : public QStyledItemDelegate
{
public:
    CellsDelegate(QString (*isolate)(const QString &), QObject *parent);

    QString displayText(const QVariant &value, const QLocale &locale) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    // The cell font of font, kept while the cells are drawn in it.
    bool cellsOf(const QFont &font, const QWidget &widget) const;

    QString (*m_isolate)(const QString &);
    mutable std::optional<QFont> m_cellsFont;
    mutable std::optional<CellFont> m_cells;
};

} // namespace Extensions
