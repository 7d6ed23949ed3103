// The motor board's firmware logic, built for the host: one conversation through every command,
// reply and refusal.
#include "protocol/BoardProtocol.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace orvanelink;

namespace {
struct ScriptIo : BoardIo {
    std::string input;
    size_t at = 0;
    std::vector<std::string> sent;
    std::vector<int> coils;
    int releases = 0;
    uint8_t pad = 0;
    uint32_t ms = 0;

    bool readByte(char* c) override { return at < input.size() && (*c = input[at++], true); }
    void sendLine(const char* text) override {
        const std::string line(text);
        const int body = openLine(text, int(line.size()));
        sent.push_back(body < 0 ? "bad checksum: " + line : line.substr(0, size_t(body)));
    }
    void writeCoils(uint8_t pattern) override { coils.push_back(pattern); }
    void stepPulse(int, int) override {}
    void release() override { ++releases; }
    uint8_t readPad() override { return pad; }
    uint32_t millis() override { return ms; }
    void waitMicros(uint16_t) override {}
    const char* driveName() override { return "COILS"; }
};

// Seals the line unless it is empty or brings its own checksum.
std::string framed(const std::string& line) {
    char text[MaxLine + 4] = {};
    line.copy(text, MaxLine);
    if (!line.empty() && line.find('*') == std::string::npos)
        sealLine(text, sizeof text);
    return std::string(text) + "\r\n";
}
} // namespace

TEST(BoardProtocol, AConversationThroughEveryCommandReplyAndRefusal) {
    ScriptIo io;
    Board board(io);
    EXPECT_EQ(io.sent, std::vector<std::string>{"! BOOT ORVANE-STEP 1.0"});
    const struct {
        std::vector<std::string> commands, replies;
    } talk[] = {
        // After a restart commands wait for an empty line: the host knows of the restart.
        {{"01 I", "", "01 I"}, {"01 ERR RESTARTED", "01 OK ORVANE-STEP 1.0 AXES 2 COILS"}},
        // The first pattern only tells the phases.
        {{"02 C 11", "03 C 13", "04 C 33"}, {"02 OK", "03 OK", "04 OK"}},
        // A lost reply is told again, and a command sent twice runs once.
        {{"05 P", "05 P", "06 C 23", "06 C 23"}, {"05 OK 1 1", "05 OK 1 1", "06 OK", "06 OK"}},
        // 07 was lost: 08 waits for it.
        {{"08 C 22", "07 X", "08 C 1", "09 M 2 + 1 0"},
         {"08 ERR ORDER 06", "07 ERR UNKNOWN", "08 ERR ARGS", "09 ERR ARGS"}},
        {{"0A M 0 - 3 500"}, {"0A OK -2 2"}},
        {{"0B M 1 + 100 0", "0C S"}, {"0B ERR STOPPED -2 2", "0C OK -2 2"}},
        {{"0D R", "", "garbage", "0E I*00", "0E " + std::string(MaxLine, 'I')},
         {"0D OK", "! NAK", "! NAK", "! NAK"}},
    };
    for (const auto& step : talk) {
        io.sent.clear();
        for (const std::string& command : step.commands)
            io.input += framed(command);
        board.service();
        EXPECT_EQ(io.sent, step.replies) << step.commands.front();
    }
    // The board's coils, as the printer port's data byte; the move went back through the
    // half-step sequence.
    EXPECT_EQ(io.coils, (std::vector<int>{0x11, 0x13, 0x33, 0x23, 0x21, 0x29, 0x28}));
    EXPECT_EQ(std::tuple(io.releases, board.position(0), board.position(1)), std::tuple(2, -2, 2));

    // The hand pad is told when it changes, and again now and then in case a line was lost.
    io.sent.clear();
    io.pad = 0x50;
    board.service();
    board.service();
    io.ms += 250;
    board.service();
    EXPECT_EQ(io.sent, (std::vector<std::string>{"! K 50", "! K 50"}));
}
