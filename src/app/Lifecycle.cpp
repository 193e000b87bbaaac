#include "Lifecycle.h"

Q_LOGGING_CATEGORY(lcLifecycle, "horavane.lifecycle", QtWarningMsg)
