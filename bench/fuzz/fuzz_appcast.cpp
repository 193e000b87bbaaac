#include "Finding.h"
#include "FuzzInvariants.h"

#include <cstddef>
#include <cstdint>

// The release feed reader and the version order, on any bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    reportFinding(FuzzInvariants::checkAppcast(QByteArrayView(data, qsizetype(size))));
    return 0;
}
