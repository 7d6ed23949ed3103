#include "motion/SerialMotorPort.h"

#include "core/LogCategories.h"
#include "protocol/BoardProtocol.h"

namespace orvane {

namespace {
// A stream of noise without line ends is dropped once it is longer than any line.
constexpr qint64 LongestGarbage = 4 * orvanelink::MaxLine;

QByteArray hexByte(int value) {
    return QByteArray::number(value, 16).rightJustified(2, '0').toUpper();
}

QByteArray sealed(quint8 tag, const QByteArray& command) {
    char text[orvanelink::MaxLine + 4];
    qstrncpy(text, (hexByte(tag) + ' ' + command).constData(), sizeof text);
    orvanelink::sealLine(text, sizeof text);
    return QByteArray(text) + '\n';
}

std::optional<SerialMotorPort::Positions> positionsIn(const QByteArray& reply) {
    const QList<QByteArray> words = reply.split(' ');
    bool ok0 = false, ok1 = false;
    if (words.size() == 3 && words[0] == "OK") {
        const SerialMotorPort::Positions p{words[1].toInt(&ok0), words[2].toInt(&ok1)};
        if (ok0 && ok1)
            return p;
    }
    return std::nullopt;
}
} // namespace

SerialMotorPort::SerialMotorPort(const QString& device) : name_(device) {
    port_.setPortName(device);
}

std::unique_ptr<SerialMotorPort> SerialMotorPort::open(const QString& device, int baud,
                                                       QString* error) {
    std::unique_ptr<SerialMotorPort> port(new SerialMotorPort(device));
    QSerialPort& serial = port->port_;
    serial.setBaudRate(baud);
    serial.setDataBits(QSerialPort::Data8);
    serial.setParity(QSerialPort::NoParity);
    serial.setStopBits(QSerialPort::OneStop);
    serial.setFlowControl(QSerialPort::NoFlowControl);
    if (!serial.open(QIODevice::ReadWrite)) {
        if (error)
            *error = QStringLiteral("Cannot open the serial port %1: %2.")
                         .arg(device, serial.errorString());
        return nullptr;
    }
    if (!port->identify()) {
        if (error)
            *error = port->failure_;
        return nullptr;
    }
    return port;
}

SerialMotorPort::~SerialMotorPort() {
    settle(); // the last pattern reaches the motors before the line closes
}

bool SerialMotorPort::identify() {
    // Quiet until the board speaks, or its boot loader would take our bytes for its own.
    const QDeadlineTimer boot(BootMs);
    while (!boot.hasExpired() && !receive(int(boot.remainingTime()))) {
    }
    write("\n"); // a board that restarted takes commands after an empty line
    const std::optional<QByteArray> reply = request("I");
    if (!reply)
        return false;
    if (!reply->startsWith(QByteArray("OK ") + orvanelink::BoardName)) {
        failure_ = QStringLiteral("The device on %1 is no ORVANE motor board: it answered \"%2\".")
                       .arg(name_, QString::fromLatin1(*reply));
        return false;
    }
    identity_ = QString::fromLatin1(reply->mid(3));
    return true;
}

void SerialMotorPort::writeData(quint8 value) {
    if (!failure_.isEmpty())
        return;
    send("C " + hexByte(value), false);
    // Replies are read once half the window is under way: a run of steps costs few reads.
    while (failure_.isEmpty() && pending_.size() > size_t(Window / 2) && receive(0)) {
    }
    while (failure_.isEmpty() && pending_.size() > size_t(Window))
        if (!receive(int(deadline_.remainingTime())) && deadline_.hasExpired())
            resendAll();
}

quint8 SerialMotorPort::readStatus() {
    while (failure_.isEmpty() && receive(0)) {
    }
    return failure_.isEmpty() ? status_ : 0;
}

void SerialMotorPort::settle() {
    while (failure_.isEmpty() && !pending_.empty())
        if (!receive(int(deadline_.remainingTime())) && deadline_.hasExpired())
            resendAll();
}

std::optional<SerialMotorPort::Positions> SerialMotorPort::move(int axis, int direction, int count,
                                                                int delayUs) {
    const QByteArray command = QByteArray("M ") + QByteArray::number(axis) + ' ' +
                               (direction > 0 ? '+' : '-') + ' ' + QByteArray::number(count) + ' ' +
                               QByteArray::number(delayUs);
    const std::optional<QByteArray> reply = request(command, int(qint64(count) * delayUs / 1000));
    return reply ? positionsIn(*reply) : std::nullopt;
}

std::optional<SerialMotorPort::Positions> SerialMotorPort::positions() {
    const std::optional<QByteArray> reply = request("P");
    return reply ? positionsIn(*reply) : std::nullopt;
}

std::optional<QByteArray> SerialMotorPort::request(const QByteArray& command, int extraMs) {
    settle();
    if (!failure_.isEmpty())
        return std::nullopt;
    extraMs_ = extraMs;
    awaited_ = nextTag_;
    awaitedReply_.clear();
    send(command, command.startsWith('M'));
    settle();
    awaited_.reset();
    extraMs_ = 0;
    if (!failure_.isEmpty())
        return std::nullopt;
    return awaitedReply_;
}

void SerialMotorPort::send(const QByteArray& command, bool relative) {
    const quint8 tag = nextTag_++;
    pending_.push_back({tag, sealed(tag, command), relative});
    if (pending_.size() == 1) {
        deadline_.setRemainingTime(ReplyMs + extraMs_);
        tries_ = 1;
    }
    write(pending_.back().line);
}

void SerialMotorPort::write(const QByteArray& bytes) {
    port_.write(bytes);
    port_.flush();
    written_ += bytes.size();
}

qint64 SerialMotorPort::bytesSent() {
    port_.flush();
    return written_ - port_.bytesToWrite();
}

// Everything under way goes again, in order: the board tells again what it did already and
// refuses what comes after a line it lost, so nothing runs twice or out of turn.
void SerialMotorPort::resendAll() {
    if (pending_.empty())
        return;
    if (++tries_ > Tries) {
        fail(QStringLiteral("The motor board on %1 does not answer; the motors are stopped.")
                 .arg(name_));
        return;
    }
    qCDebug(lcMotion) << "sending" << pending_.size() << "commands again to" << name_;
    QByteArray lines("\n"); // ends whatever noise came before
    for (const Pending& command : pending_)
        lines += command.line;
    write(lines);
    deadline_.setRemainingTime(ReplyMs + extraMs_);
}

bool SerialMotorPort::receive(int waitMs) {
    while (!port_.canReadLine()) {
        if (port_.bytesAvailable() > LongestGarbage)
            port_.readAll();
        if (!port_.waitForReadyRead(std::max(waitMs, 0))) {
            if (port_.error() != QSerialPort::NoError && port_.error() != QSerialPort::TimeoutError)
                fail(QStringLiteral("The motor board on %1 is lost: %2; the motors are stopped.")
                         .arg(name_, port_.errorString()));
            port_.clearError();
            return false;
        }
    }
    handle(port_.readLine().trimmed());
    return true;
}

void SerialMotorPort::handle(const QByteArray& line) {
    const int body = orvanelink::openLine(line.constData(), int(line.size()));
    if (body > 2 && line[0] == orvanelink::EventTag && line[1] == ' ') {
        const QByteArray event = line.mid(2, body - 2);
        if (event.startsWith("K "))
            status_ = quint8(event.mid(2).toInt(nullptr, 16) & 0xF0);
        else if (event.startsWith("BOOT"))
            restarted();
        return;
    }
    if (body < 3 || line[2] != ' ')
        return; // garbled: what it answered goes again at its deadline
    const QByteArray text = line.mid(3, body - 3);
    bool ok = false;
    const int tag = line.left(2).toInt(&ok, 16);
    if (!ok)
        return;
    if (text.startsWith("ERR ORDER ")) {
        // The board lost a line after the one it names: that one is done, the rest go again.
        const int last = text.mid(10).toInt(&ok, 16);
        if (ok)
            acknowledge(quint8(last), {});
    } else if (!text.startsWith("ERR BUSY") && !text.startsWith("ERR RESTARTED"))
        acknowledge(quint8(tag), text);
}

// What the board replied to before it said so was done; what is under way was lost with the
// restart. Coil patterns can simply go again; a move may have run in part.
void SerialMotorPort::restarted() {
    for (const Pending& command : pending_)
        if (command.relative)
            return fail(QStringLiteral("The motor board on %1 restarted during a move; the "
                                       "positions are lost.")
                            .arg(name_));
    if (pending_.empty())
        write("\n");
    else
        resendAll();
}

int SerialMotorPort::pendingIndex(quint8 tag) const {
    for (size_t i = 0; i < pending_.size(); ++i)
        if (pending_[i].tag == tag)
            return int(i);
    return -1;
}

// A reply acknowledges its command and, the board working in order, every one before it.
void SerialMotorPort::acknowledge(quint8 tag, const QByteArray& reply) {
    const int index = pendingIndex(tag);
    if (index < 0)
        return; // an answer to a command sent twice
    if (awaited_ == tag)
        awaitedReply_ = reply;
    else if (reply.startsWith("ERR"))
        return fail(QStringLiteral("The motor board on %1 refused \"%2\": %3.")
                        .arg(name_, QString::fromLatin1(pending_[size_t(index)].line.trimmed()),
                             QString::fromLatin1(reply)));
    pending_.erase(pending_.begin(), pending_.begin() + index + 1);
    deadline_.setRemainingTime(ReplyMs + extraMs_);
    tries_ = 1;
}

void SerialMotorPort::fail(const QString& why) {
    if (!failure_.isEmpty())
        return;
    failure_ = why;
    pending_.clear();
    qCWarning(lcMotion) << why;
    if (onFailure_)
        onFailure_(why);
}

} // namespace orvane
