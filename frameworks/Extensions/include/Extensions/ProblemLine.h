#pragma once

#include <QString>

#include <initializer_list>

class QLabel;
class QWidget;

namespace Extensions {

// Says problem in line, under the controls it concerns, and hides line when there is none. The
// control that is wrong gets it as its accessible description, so that screen readers announce
// it with that control, which takes the focus (a text field with its text selected, to be typed
// over); the other controls lose theirs.
void showProblem(QLabel &line, const QString &problem, std::initializer_list<QWidget *> controls, QWidget *wrong);

} // namespace Extensions
