#pragma once

#include <QLoggingCategory>

// Steps of launch and shutdown, silent unless QT_LOGGING_RULES="horavane.lifecycle.debug=true".
// The end-to-end tests read them to check the order of the sequences.
Q_DECLARE_LOGGING_CATEGORY(lcLifecycle)
