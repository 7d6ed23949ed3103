#pragma once

#include <QString>

namespace orvane {

// The program's own title, used by messages that carry no title of their own.
inline const QString ProgramTitle = QStringLiteral("ORVANE");

} // namespace orvane
