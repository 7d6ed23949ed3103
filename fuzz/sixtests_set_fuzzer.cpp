// A sixtests set file: any bytes as the text of a .set file. Readings the program accepts
// reduce without a fault.
#include "ReduceAccepted.h"
#include "reduction/SixtestsSetFile.h"

using namespace orvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::startQt();
    fuzz::reduceAccepted(readingsFromSixtests(
        QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size))));
    return 0;
}
