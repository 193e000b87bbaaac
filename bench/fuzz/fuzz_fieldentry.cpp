#include "Finding.h"
#include "FuzzInvariants.h"

#include <QApplication>
#include <QLineEdit>

#include <cstddef>
#include <cstdint>

namespace {
QLineEdit *g_field = nullptr;
}

// A line edit needs the widget machinery; it is made once and reused for every input.
extern "C" int LLVMFuzzerInitialize(int *, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qtArgc = 1; // libFuzzer's options are none of Qt's business
    static char *qtArgv[] = {(*argv)[0], nullptr};
    static QApplication app(qtArgc, qtArgv);
    static QLineEdit field;
    g_field = &field;
    return 0;
}

// The text of a numeric field, as UTF-8.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    reportFinding(FuzzInvariants::checkFieldEntry(QByteArrayView(data, qsizetype(size)), *g_field));
    return 0;
}
