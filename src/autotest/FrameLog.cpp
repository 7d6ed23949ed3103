#include "autotest/FrameLog.h"

namespace orvane {

QString frameLogCsv(const QList<FrameLogRow>& rows) {
    QString text = QStringLiteral("frame,seconds,knife,platform,zone,LZV,RZV\n");
    for (const FrameLogRow& r : rows)
        text += QStringLiteral("%1,%2,%3,%4,%5,%6,%7\n")
                    .arg(r.frame)
                    .arg(r.seconds, 0, 'f', 3)
                    .arg(r.knife)
                    .arg(r.platform)
                    .arg(r.zone)
                    .arg(r.LZV)
                    .arg(r.RZV);
    return text;
}

} // namespace orvane
