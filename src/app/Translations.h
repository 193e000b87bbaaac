#pragma once

#include <QTranslator>

// Qt's own texts (standard buttons, the command line's) and Horavane's, in the desktop's
// language when there are any; in use while this lives.
class Translations
{
public:
    Translations();

private:
    QTranslator m_qt;
    QTranslator m_horavane;
};
