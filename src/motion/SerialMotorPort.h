#pragma once

#include "motion/MotorPort.h"

#include <QDeadlineTimer>
#include <QSerialPort>
#include <QString>
#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

namespace orvane {

// A motor board on a serial line, speaking the protocol of docs/SERIAL-PROTOCOL.md. Each data
// byte goes out as a coil command without waiting for its acknowledgement, a few at a time, so
// the line's latency does not slow the steps; settle() waits until the board has done them all.
// A garbled or lost line is sent again; a board that stops answering, or whose port is lost,
// ends the port's work: the failure is said once, and later bytes go nowhere.
class SerialMotorPort : public MotorPort {
  public:
    static constexpr int DefaultBaud = 115200;
    // Commands under way at once.
    static constexpr int Window = 32;
    // How long a command waits for its reply before it is sent again, and how often it is.
    static constexpr int ReplyMs = 300;
    static constexpr int Tries = 5;
    // A board that resets when the port opens (an Uno) is heard from after its boot loader.
    static constexpr int BootMs = 2500;

    using Positions = std::array<int, 2>;

    // Opens `device` and asks the board who it is; on failure returns nothing and puts the
    // reason, naming the device, in `error`.
    static std::unique_ptr<SerialMotorPort> open(const QString& device, int baud, QString* error);
    ~SerialMotorPort() override;
    SerialMotorPort(const SerialMotorPort&) = delete;
    SerialMotorPort& operator=(const SerialMotorPort&) = delete;

    void writeData(quint8 value) override;
    // The hand pad as the board last told it; reads what has arrived without waiting.
    quint8 readStatus() override;

    // Waits until the board has done every command sent.
    void settle();
    // The board's answer to identify: "ORVANE-STEP 1.0 AXES 2 COILS".
    const QString& identity() const { return identity_; }
    // `count` half-steps of `axis` (0: the data byte's low nibble) in `direction` (+1 or -1),
    // `delayUs` apart; the positions the board counts after it, nothing on failure.
    std::optional<Positions> move(int axis, int direction, int count, int delayUs);
    std::optional<Positions> positions();

    // Characters handed to the system so far.
    qint64 bytesSent();
    QString device() const { return port_.portName(); }
    // Why the port stopped working; empty while it works.
    const QString& failure() const { return failure_; }
    // Called once, with the failure, when the port stops working.
    void setFailureHandler(std::function<void(const QString&)> handler) {
        onFailure_ = std::move(handler);
    }

  private:
    struct Pending {
        quint8 tag;
        QByteArray line;
        bool relative; // a move, which must not run twice
    };

    explicit SerialMotorPort(const QString& device);
    bool identify();
    // Sends a command and waits for every reply; its reply's text after the tag, or nothing.
    std::optional<QByteArray> request(const QByteArray& command, int extraMs = 0);
    void send(const QByteArray& command, bool relative);
    void write(const QByteArray& bytes);
    void resendAll();
    // Handles the next line, waiting for it until the oldest command's deadline; false when
    // none came.
    bool receive(int waitMs);
    void handle(const QByteArray& line);
    void acknowledge(quint8 tag, const QByteArray& reply);
    void restarted();
    void fail(const QString& why);
    int pendingIndex(quint8 tag) const;

    QSerialPort port_;
    QString name_;
    QString identity_;
    std::deque<Pending> pending_;
    QDeadlineTimer deadline_; // of the oldest pending command
    int tries_ = 0;           // of the oldest pending command
    int extraMs_ = 0;         // of a move under way
    quint8 nextTag_ = 1;
    std::optional<quint8> awaited_;
    QByteArray awaitedReply_;
    quint8 status_ = 0;
    qint64 written_ = 0;
    QString failure_;
    std::function<void(const QString&)> onFailure_;
};

} // namespace orvane
