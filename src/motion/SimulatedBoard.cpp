#include "motion/SimulatedBoard.h"

#include "protocol/BoardProtocol.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace orvane {

namespace {
// How often the board looks at the hand pad when no command comes.
constexpr int PadPollMs = 20;

QString systemReason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}
} // namespace

// The board's hardware: the pseudo-terminal's master side as its serial line, the motors' port
// as its coils and hand pad, and the faults a test asks for on the line.
class SimulatedBoard::Io : public orvanelink::BoardIo {
  public:
    Io(int master, MotorPort& motors, SimulatedBoard& owner)
        : master_(master), motors_(motors), owner_(owner), start_(Clock::now()), board(*this) {}

    bool readByte(char* c) override {
        if (resetNow_)
            return false;
        if (next_ == filled_) {
            const ssize_t n = ::read(master_, buffer_, sizeof buffer_);
            if (n <= 0)
                return false;
            next_ = 0;
            filled_ = int(n);
        }
        ++taken_;
        *c = buffer_[next_++];
        if (silent_)
            return readByte(c); // a hung board takes in the line and does nothing with it
        const int line = owner_.commands_.load();
        const bool struck = line == owner_.faultAt_.load();
        const Fault fault = Fault(owner_.fault_.load());
        if (struck && fault == Fault::Silence)
            silent_ = true;
        if (struck && fault == Fault::Noise && column_ == 3) {
            *c ^= 0x20; // the command letter changes case: only the checksum tells
            corruptReply_ = true;
        }
        if (*c != '\n') {
            ++column_;
        } else if (std::exchange(column_, 0) > 0) {
            owner_.commands_.fetch_add(1);
            if (struck && fault == Fault::DropReply)
                dropReply_ = true;
            if (struck && fault == Fault::Reset) {
                resetNow_ = true;
                return false;
            }
        }
        return true;
    }
    void sendLine(const char* text) override {
        const bool reply = text[0] != orvanelink::EventTag;
        if (silent_ || (reply && std::exchange(dropReply_, false)))
            return;
        std::string line = std::string(text) + '\n';
        if (reply && std::exchange(corruptReply_, false))
            line[1] ^= 0x01;
        // A program that reads nothing loses what does not fit, as a real line would.
        [[maybe_unused]] const ssize_t written = ::write(master_, line.data(), line.size());
    }
    void writeCoils(uint8_t pattern) override { motors_.writeData(pattern); }
    void stepPulse(int, int) override {}
    void release() override { motors_.writeData(0); }
    uint8_t readPad() override { return motors_.readStatus(); }
    uint32_t millis() override {
        return uint32_t(
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start_).count());
    }
    void waitMicros(uint16_t micros) override {
        std::this_thread::sleep_for(std::chrono::microseconds(micros));
    }
    const char* driveName() override { return "COILS"; }

    // A restart the line asked for, once.
    bool takeReset() { return std::exchange(resetNow_, false); }
    // Characters taken from the line.
    qint64 taken() const { return taken_; }

  private:
    using Clock = std::chrono::steady_clock;
    int master_;
    MotorPort& motors_;
    SimulatedBoard& owner_;
    Clock::time_point start_;
    char buffer_[256];
    int next_ = 0;
    int filled_ = 0;
    int column_ = 0;
    qint64 taken_ = 0;
    bool silent_ = false;
    bool resetNow_ = false;
    bool dropReply_ = false;
    bool corruptReply_ = false;

  public:
    orvanelink::Board board; // last: it boots, through the members above, as it is made
};

std::unique_ptr<SimulatedBoard> SimulatedBoard::start(MotorPort& motors, QString* error) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    const char* name = master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0
                           ? ::ptsname(master)
                           : nullptr;
    const int slave = name ? ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC) : -1;
    termios raw{};
    if (slave < 0 || ::tcgetattr(slave, &raw) != 0 ||
        (::cfmakeraw(&raw), ::tcsetattr(slave, TCSANOW, &raw)) != 0 ||
        ::fcntl(master, F_SETFL, O_NONBLOCK) != 0) {
        if (error)
            *error = QStringLiteral("Cannot open a pseudo-terminal for the simulated motor "
                                    "board: %1.")
                         .arg(systemReason());
        if (slave >= 0)
            ::close(slave);
        if (master >= 0)
            ::close(master);
        return nullptr;
    }
    return std::unique_ptr<SimulatedBoard>(
        new SimulatedBoard(master, slave, QString::fromLocal8Bit(name), motors));
}

SimulatedBoard::SimulatedBoard(int master, int slave, QString slavePath, MotorPort& motors)
    : master_(master), slave_(slave), slavePath_(std::move(slavePath)) {
    if (::pipe2(wake_, O_CLOEXEC) != 0)
        wake_[0] = wake_[1] = -1;
    io_ = std::make_unique<Io>(master_, motors, *this);
    thread_ = std::thread([this] { run(); });
}

SimulatedBoard::~SimulatedBoard() {
    const char stop = 0;
    [[maybe_unused]] const ssize_t written = ::write(wake_[1], &stop, 1);
    thread_.join();
    for (int fd : {wake_[0], wake_[1], slave_, master_})
        if (fd >= 0)
            ::close(fd);
}

void SimulatedBoard::inject(Fault fault, int after) {
    fault_ = int(fault);
    faultAt_ = commands_.load() + after;
}

void SimulatedBoard::run() {
    for (;;) {
        pollfd fds[2] = {{master_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
        ::poll(fds, 2, PadPollMs);
        if (fds[1].revents != 0 || wake_[0] < 0)
            return;
        const std::lock_guard lock(mutex_);
        serve();
    }
}

void SimulatedBoard::serve() {
    io_->board.service();
    if (io_->takeReset())
        io_->board.boot();
    done_.store(io_->taken(), std::memory_order_release);
}

// The caller does the board's work itself rather than wait for its thread to wake.
void SimulatedBoard::catchUp(qint64 sent) {
    // Bounded, so a board that hangs (a fault a test injects) cannot hang the program as well.
    constexpr int PatienceMs = 1000;
    if (done_.load(std::memory_order_acquire) >= sent)
        return; // the usual case: the board's thread was there first
    const std::lock_guard lock(mutex_);
    for (QDeadlineTimer patience(PatienceMs); done_ < sent && !patience.hasExpired();) {
        pollfd fd{master_, POLLIN, 0};
        ::poll(&fd, 1, int(patience.remainingTime()));
        serve();
    }
}

} // namespace orvane
