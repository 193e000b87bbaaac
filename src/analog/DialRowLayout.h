#pragma once

#include <QLayout>
#include <QList>

// Dials side by side, each kept square with its caption centred under it. The dials take the
// largest size that fits; the row is centred in whatever is left over, so a window of any shape
// shows round dials, never stretched ones. Spacing and margins follow the style unless set.
class DialRowLayout : public QLayout
{
    Q_OBJECT

public:
    explicit DialRowLayout(QWidget *parent = nullptr);
    ~DialRowLayout() override;

    // Adds a dial at the right end of the row, caption under it; the parent widget adopts both.
    void addDial(QWidget *dial, QWidget *caption);

    // The natural size: dials at their size hint. The minimum: dials at their minimum size.
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    Qt::Orientations expandingDirections() const override;
    void setGeometry(const QRect &rect) override;

    // Items come in pairs, a dial then its caption; addDial() is the way to add them.
    void addItem(QLayoutItem *item) override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    int count() const override;

private:
    qsizetype columns() const;
    QLayoutItem *caption(qsizetype column) const; // null for a dial added without one
    int captionHeight() const;
    int columnGap() const;
    int captionGap() const;
    // The whole row, margins included, for dials of side `dialSide`.
    QSize rowSize(int dialSide) const;

    QList<QLayoutItem *> m_items; // dial, caption, dial, caption, ...
};
