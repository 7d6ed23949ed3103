// The settings file: any bytes as orvane.ini. A file the program accepts holds values it
// writes back and reads again unchanged, line for line.
#include "FuzzInput.h"
#include "core/SettingsFile.h"
#include "core/SettingsLayout.h"

using namespace orvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::startQt();
    const QString folder = fuzz::scratchFolder() + QStringLiteral("/program");
    fuzz::writeInput(folder, QStringLiteral("orvane.ini"), data, size);
    Settings loaded;
    fuzz::SilentMessageBoxes messages;
    if (LoadSettings(loaded, folder, messages).failure != SettingsFailure::None)
        return 0;
    const QStringList lines = settingsLines(loaded);
    Settings again;
    for (const SettingsLine& entry : settingsLayout(again))
        fuzz::require(readLine(entry.value, lines[entry.line]));
    fuzz::require(settingsLines(again) == lines);
    return 0;
}
