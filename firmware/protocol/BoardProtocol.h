#pragma once

// The motor board's side of the serial line protocol (docs/SERIAL-PROTOCOL.md) and the line
// framing both sides share. Plain C++11 without the standard library's containers, so the same
// source builds for the ATmega328P and for the host's device simulator and tests.

#include <stdint.h>

namespace orvanelink {

const char BoardName[] = "ORVANE-STEP";
const char FirmwareVersion[] = "1.0";
const int Axes = 2;
// Characters of a line before its line end, checksum included.
const int MaxLine = 40;
// The tag of lines the board sends unasked: events and the refusal of a garbled line.
const char EventTag = '!';

// The XOR of `length` characters.
uint8_t checksum(const char* text, int length);
// Appends "*" and the two hex digits of the text's checksum to the NUL-terminated `text`, which
// has room for `capacity` characters with its NUL.
void sealLine(char* text, int capacity);
// The length of the line's text before "*cc" when the checksum matches, else -1.
int openLine(const char* line, int length);

// The half-step sequence of one motor's four coils, as on the printer port: phase 0..7.
uint8_t coilsOfPhase(int phase);
// The phase a coil nibble holds, normal or inverted, or -1 for none (released, or no pattern of
// the sequence).
int phaseOfCoils(uint8_t nibble, bool inverted);

// What the board's hardware does for the protocol; the firmware and the simulator each give one.
class BoardIo {
  public:
    // One received character, false when none is waiting.
    virtual bool readByte(char* c) = 0;
    // Sends the text and a line end.
    virtual void sendLine(const char* text) = 0;
    // Both motors' coils as the printer port's data byte: low nibble axis 0, high nibble axis 1.
    virtual void writeCoils(uint8_t pattern) = 0;
    // One half-step of a step/dir driver (direction +1 or -1); coil boards ignore it.
    virtual void stepPulse(int axis, int direction) = 0;
    // Every coil off, drivers disabled.
    virtual void release() = 0;
    // The hand pad's four lines as the printer port's status bits 4..7, bit set = line active.
    virtual uint8_t readPad() = 0;
    virtual uint32_t millis() = 0;
    virtual void waitMicros(uint16_t micros) = 0;
    // "COILS" or "STEPDIR".
    virtual const char* driveName() = 0;

  protected:
    ~BoardIo() {}
};

class Board {
  public:
    explicit Board(BoardIo& io);
    // As after power-up: coils released, positions zero, no command remembered; says BOOT.
    void boot();
    // Handles every character waiting and reports a change of the hand pad.
    void service();
    int32_t position(int axis) const { return position_[axis]; }

  private:
    struct Line {
        char text[MaxLine + 1];
        int length;
        bool overflow;
    };
    // Gathers `c`; true when it ended a line.
    bool gather(Line& line, char c);
    void handle(Line& line, bool moving);
    void execute(uint8_t tag, char command, const char* args);
    void setCoils(uint8_t pattern);
    void move(uint8_t tag, int axis, int direction, uint16_t count, uint16_t delay);
    // Reads what arrived during a move; true when it was a stop.
    bool stopArrived();
    // A command's reply, told again should the command come again.
    void reply(uint8_t tag, const char* text);
    // A refusal that leaves the command to be sent again.
    void answer(uint8_t tag, const char* text);
    static void format(char* line, uint8_t tag, const char* text);
    void replyPositions(uint8_t tag, const char* word);
    void event(const char* text);
    // Says the hand pad's lines when they change, and again now and then.
    void reportPad();

    BoardIo& io_;
    Line line_;
    Line moveLine_;
    bool stopRequested_;
    uint8_t stopTag_;
    uint8_t movingTag_;
    int lastTag_; // -1: no command yet
    char lastReply_[MaxLine + 4];
    bool synced_; // an empty line came after the restart
    uint8_t coils_;
    bool inverted_;
    int phase_[Axes];
    int32_t position_[Axes];
    uint8_t pad_;
    uint32_t padSentMs_;
};

} // namespace orvanelink
