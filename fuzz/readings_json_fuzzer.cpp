// A test record or JSON readings file: any bytes as JSON. Readings the program accepts reduce
// without a fault, and written in the readings form they read back the same.
#include "ReduceAccepted.h"

#include <QJsonDocument>

using namespace orvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::startQt();
    const ReadingsFileResult read =
        readingsFromJson(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    fuzz::reduceAccepted(read);
    if (!read.input)
        return 0;
    const ReadingsFileResult again =
        readingsFromJson(QJsonDocument(readingsJson(*read.input)).toJson());
    fuzz::require(again.input && again.input->sets == read.input->sets &&
                  again.input->edges == read.input->edges &&
                  again.input->radii == read.input->radii);
    return 0;
}
