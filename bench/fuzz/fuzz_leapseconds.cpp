#include "Finding.h"
#include "FuzzInvariants.h"

#include <cstddef>
#include <cstdint>

// The leap-second list reader, on any bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    reportFinding(FuzzInvariants::checkLeapSeconds(QByteArrayView(data, qsizetype(size))));
    return 0;
}
