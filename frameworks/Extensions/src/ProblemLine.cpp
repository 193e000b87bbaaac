#include <Extensions/ProblemLine.h>

#include <QLabel>
#include <QLineEdit>

namespace Extensions {

void showProblem(QLabel &line, const QString &problem, std::initializer_list<QWidget *> controls, QWidget *wrong)
{
    line.setText(problem);
    line.setVisible(!problem.isEmpty());
    for (QWidget *control : controls)
        control->setAccessibleDescription(control == wrong ? problem : QString());
    if (!wrong)
        return;
    wrong->setFocus();
    if (auto *field = qobject_cast<QLineEdit *>(wrong))
        field->selectAll();
}

} // namespace Extensions
