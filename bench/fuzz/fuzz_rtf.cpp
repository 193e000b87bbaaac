#include "Finding.h"
#include "FuzzInvariants.h"

#include <cstddef>
#include <cstdint>

// The donation message reader, on any bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    reportFinding(FuzzInvariants::checkRtf(QByteArrayView(data, qsizetype(size))));
    return 0;
}
