#pragma once

class QAbstractButton;

namespace Extensions {

// Whether a check box or radio button is on. A tristate check box reads true only when
// fully checked: a partial state is not "on".
bool boolValue(const QAbstractButton &button);

// Switches a check box or radio button on or off, as setChecked() does: toggled() is
// emitted on a change, clicked() never, so handlers of the user's action do not run.
// Off works for an auto-exclusive radio button too (Qt would keep it on); an exclusive
// QButtonGroup still keeps its checked button. A button that is not checkable stays as it is.
void setBoolValue(QAbstractButton &button, bool on);

} // namespace Extensions
