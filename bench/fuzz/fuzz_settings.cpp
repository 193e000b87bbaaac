#include "Finding.h"
#include "FuzzInvariants.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

using namespace Qt::StringLiterals;

namespace {
// Every save ends in an fsync; a folder in memory, where there is one, keeps runs fast.
const QTemporaryDir &scratch()
{
    static const QTemporaryDir folder(QFileInfo(u"/dev/shm"_s).isWritable()
            ? u"/dev/shm/horavane-fuzz-XXXXXX"_s
            : QDir::tempPath() + u"/horavane-fuzz-XXXXXX"_s);
    return folder;
}
} // namespace

// The whole settings file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    reportFinding(FuzzInvariants::checkSettingsFile(QByteArrayView(data, qsizetype(size)), scratch().path()));
    return 0;
}
