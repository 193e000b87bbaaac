#include "Finding.h"
#include "FuzzInvariants.h"

#include <cstddef>
#include <cstdint>

// The gpsd protocol reader, on any line.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    reportFinding(FuzzInvariants::checkGpsdLine(QByteArrayView(data, qsizetype(size))));
    return 0;
}
