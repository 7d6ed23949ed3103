#include "motion/PpdevPort.h"

#include <QDir>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace orvane {

namespace {
QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}
} // namespace

std::unique_ptr<PpdevPort> PpdevPort::open(const QString& device, QString* error) {
    const int fd = ::open(device.toLocal8Bit().constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        if (error)
            *error = QStringLiteral("Cannot open the printer port %1: %2.")
                         .arg(device, systemReason(errno));
        return nullptr;
    }
    if (::ioctl(fd, PPCLAIM) < 0) {
        const int reason = errno;
        ::close(fd);
        if (error)
            *error = QStringLiteral("Cannot claim the printer port %1: %2.")
                         .arg(device, systemReason(reason));
        return nullptr;
    }
    return std::unique_ptr<PpdevPort>(new PpdevPort(fd));
}

QStringList PpdevPort::devices() {
    const QDir dev(QStringLiteral("/dev"), QStringLiteral("parport*"), QDir::Name, QDir::System);
    QStringList paths;
    for (const QString& name : dev.entryList())
        paths << dev.filePath(name);
    return paths;
}

PpdevPort::~PpdevPort() {
    ::ioctl(fd_, PPRELEASE);
    ::close(fd_);
}

// Errors are not examined, as on the original port: there is no feedback from the motors.
void PpdevPort::writeData(quint8 value) {
    unsigned char data = value;
    ::ioctl(fd_, PPWDATA, &data);
}

quint8 PpdevPort::readStatus() {
    unsigned char status = 0;
    ::ioctl(fd_, PPRSTATUS, &status);
    return status;
}

} // namespace orvane
