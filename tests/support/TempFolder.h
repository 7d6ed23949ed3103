#pragma once

#include <QTemporaryDir>

namespace orvane::testkit {

// A fresh program folder per test, removed afterwards.
class TempFolder : public QTemporaryDir {
  public:
    QString file(const QString& name) const { return filePath(name); }
};

} // namespace orvane::testkit
