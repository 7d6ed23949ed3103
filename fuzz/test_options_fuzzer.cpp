// The test options: any bytes as orvane-test.ini. Whatever it holds, the precision limit and the
// schedule stay within what the dialogs and the command line accept, and they save and load back.
#include "FuzzInput.h"
#include "autotest/TestOptions.h"

using namespace orvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::startQt();
    const QString folder = fuzz::scratchFolder() + QStringLiteral("/program");
    const QString path = fuzz::writeInput(folder, TestOptionsFileName, data, size);
    const TestOptions options = loadTestOptions(folder).options;
    const PrecisionOptions& p = options.precision;
    const RepeatOptions& r = options.repeat;
    fuzz::require(p.limit >= SmallestPrecisionLimit && p.limit <= LargestPrecisionLimit);
    fuzz::require(r.count >= 1 && r.count <= MaxRepeatCount);
    fuzz::require(!r.everyMinutes || (*r.everyMinutes >= 0 && *r.everyMinutes <= MaxRepeatMinutes));
    fuzz::require(saveTestOptions(folder, options));
    QFile saved(path);
    fuzz::require(saved.open(QIODevice::Append));
    fuzz::giveTimeOfItsOwn(saved);
    const TestOptionsLoad again = loadTestOptions(folder);
    fuzz::require(again.warnings.isEmpty() && again.options.repeat == r &&
                  again.options.precision.on == p.on);
    return 0;
}
