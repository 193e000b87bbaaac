#pragma once

#include <QString>

#include <cstdio>
#include <cstdlib>

// Ends the run on a broken promise, so that libFuzzer keeps the input that broke it.
inline void reportFinding(const QString &finding)
{
    if (finding.isEmpty())
        return;
    std::fprintf(stderr, "finding: %s\n", qPrintable(finding));
    std::abort();
}
