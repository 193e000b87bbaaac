#include "Finding.h"
#include "FuzzInvariants.h"

#include <cstddef>
#include <cstdint>

// The Earth-orientation reader (Bulletin A and finals files) and its interpolation, on any bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    reportFinding(FuzzInvariants::checkEarthOrientation(QByteArrayView(data, qsizetype(size))));
    return 0;
}
