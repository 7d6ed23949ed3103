#pragma once

#include "motion/MotorPort.h"

#include <QDeadlineTimer>
#include <QString>
#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

namespace orvane {

// The motor board's firmware logic on a pseudo-terminal: the program opens slavePath() like any
// serial port, and the board's coil outputs drive `motors` (the simulated bench's port), whose
// status byte is its hand pad. The board runs on a thread of its own; whoever looks at the
// motors first lets it catch up with the line (catchUp). Tests make the line fail in the ways a
// real one does.
class SimulatedBoard {
  public:
    enum class Fault {
        Noise,     // a character of the next command and of its reply is changed
        DropReply, // the next reply is not sent
        Reset,     // the board restarts as the next command arrives, losing it
        Silence,   // from the next command on the board answers nothing
    };

    // Opens the pseudo-terminal and starts the board; nothing, and the reason in `error`, when
    // the system has none to give.
    static std::unique_ptr<SimulatedBoard> start(MotorPort& motors, QString* error);
    ~SimulatedBoard();
    SimulatedBoard(const SimulatedBoard&) = delete;
    SimulatedBoard& operator=(const SimulatedBoard&) = delete;

    // What the program opens, such as /dev/pts/4.
    const QString& slavePath() const { return slavePath_; }
    // The fault strikes the command `after` commands from now (0: the next one).
    void inject(Fault fault, int after = 0);
    // Waits until the board has taken in, and carried out, the first `sent` characters the
    // program wrote: then the motors stand where the line has put them.
    void catchUp(qint64 sent);

  private:
    class Io;
    SimulatedBoard(int master, int slave, QString slavePath, MotorPort& motors);
    void run();
    void serve();

    int master_;
    int slave_; // held open, so the master never sees a hang-up while the program reopens it
    int wake_[2];
    QString slavePath_;
    std::unique_ptr<Io> io_;
    std::atomic<int> commands_{0}; // received, counted across restarts
    std::atomic<int> faultAt_{-1};
    std::atomic<int> fault_{0};
    std::mutex mutex_; // over the board: its thread and catchUp both serve it
    // Characters taken from the line and carried out.
    std::atomic<qint64> done_{0};
    std::thread thread_;
};

} // namespace orvane
