#include <Extensions/ButtonValue.h>

#include <QCheckBox>

namespace Extensions {

bool boolValue(const QAbstractButton &button)
{
    // QCheckBox reports a partial state as checked; only the full state counts as on.
    if (const auto *box = qobject_cast<const QCheckBox *>(&button))
        return box->checkState() == Qt::Checked;
    return button.isChecked();
}

void setBoolValue(QAbstractButton &button, bool on)
{
    if (auto *box = qobject_cast<QCheckBox *>(&button)) {
        box->setCheckState(on ? Qt::Checked : Qt::Unchecked);
        return;
    }
    // Qt refuses to switch off the checked button of an auto-exclusive set; the caller
    // asked for off, so lift the rule for this one change.
    const bool exclusive = button.autoExclusive();
    button.setAutoExclusive(false);
    button.setChecked(on);
    button.setAutoExclusive(exclusive);
}

} // namespace Extensions
