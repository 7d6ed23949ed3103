#pragma once

#include <QString>
#include <QTemporaryDir>

namespace orvane::testkit {

// A fresh program folder per test, removed afterwards.
class TempFolder {
  public:
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }

  private:
    QTemporaryDir dir_;
};

} // namespace orvane::testkit
