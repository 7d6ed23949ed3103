#include "BoardProtocol.h"

namespace orvanelink {

namespace {

const uint8_t HalfSteps[8] = {0x1, 0x3, 0x2, 0x6, 0x4, 0xC, 0x8, 0x9};
const char Hex[] = "0123456789ABCDEF";
// The hand pad is told again this often, so a lost event costs no more than this.
const uint32_t PadRepeatMs = 250;

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Reads exactly two hex digits.
bool readHexByte(const char*& p, uint8_t* value) {
    const int high = hexValue(p[0]);
    const int low = high < 0 ? -1 : hexValue(p[1]);
    if (low < 0)
        return false;
    *value = uint8_t(high * 16 + low);
    p += 2;
    return true;
}

// A space, then a decimal number up to `largest`.
bool readNumber(const char*& p, uint32_t largest, uint32_t* value) {
    if (*p++ != ' ' || *p < '0' || *p > '9')
        return false;
    uint32_t n = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        n = n * 10 + uint32_t(*p - '0');
        if (n > largest)
            return false;
    }
    *value = n;
    return true;
}

// Appends to a NUL-terminated text within `capacity`.
void append(char* text, int capacity, const char* more) {
    int n = 0;
    while (text[n])
        ++n;
    while (*more && n < capacity - 1)
        text[n++] = *more++;
    text[n] = 0;
}

void appendNumber(char* text, int capacity, int32_t value) {
    char digits[12];
    int n = sizeof digits - 1;
    digits[n] = 0;
    uint32_t magnitude = value < 0 ? 0u - uint32_t(value) : uint32_t(value);
    do {
        digits[--n] = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (value < 0)
        digits[--n] = '-';
    append(text, capacity, digits + n);
}

// 0 for a nibble only the normal polarity has, 1 for one only the inverted has, else -1.
int polarityOf(uint8_t nibble) {
    switch (nibble) {
    case 0x0:
    case 0x1:
    case 0x2:
    case 0x4:
    case 0x8:
        return 0;
    case 0xF:
    case 0xE:
    case 0xD:
    case 0xB:
    case 0x7:
        return 1;
    default:
        return -1;
    }
}

} // namespace

uint8_t checksum(const char* text, int length) {
    uint8_t sum = 0;
    for (int i = 0; i < length; ++i)
        sum ^= uint8_t(text[i]);
    return sum;
}

void sealLine(char* text, int capacity) {
    int n = 0;
    while (text[n])
        ++n;
    const uint8_t sum = checksum(text, n);
    const char seal[] = {'*', Hex[sum >> 4], Hex[sum & 0xF], 0};
    append(text, capacity, seal);
}

int openLine(const char* line, int length) {
    const int body = length - 3;
    if (body < 0 || line[body] != '*')
        return -1;
    const char* p = line + body + 1;
    uint8_t sum = 0;
    return readHexByte(p, &sum) && sum == checksum(line, body) ? body : -1;
}

uint8_t coilsOfPhase(int phase) {
    return HalfSteps[phase & 7];
}

int phaseOfCoils(uint8_t nibble, bool inverted) {
    const uint8_t coils = inverted ? uint8_t(~nibble & 0xF) : nibble;
    for (int phase = 0; phase < 8; ++phase)
        if (HalfSteps[phase] == coils)
            return phase;
    return -1;
}

Board::Board(BoardIo& io) : io_(io) {
    boot();
}

void Board::boot() {
    line_.length = moveLine_.length = 0;
    line_.overflow = moveLine_.overflow = false;
    stopRequested_ = false;
    stopTag_ = 0;
    movingTag_ = 0;
    lastTag_ = -1;
    lastReply_[0] = 0;
    synced_ = false;
    coils_ = 0;
    inverted_ = false;
    for (int axis = 0; axis < Axes; ++axis) {
        phase_[axis] = -1; // learnt from the first pattern, where the rotor stands
        position_[axis] = 0;
    }
    io_.release();
    pad_ = io_.readPad();
    padSentMs_ = io_.millis();
    char text[MaxLine] = "BOOT ";
    append(text, sizeof text, BoardName);
    append(text, sizeof text, " ");
    append(text, sizeof text, FirmwareVersion);
    event(text);
}

void Board::service() {
    char c;
    while (io_.readByte(&c))
        if (gather(line_, c))
            handle(line_, false);
    reportPad();
}

bool Board::gather(Line& line, char c) {
    if (c == '\r')
        return false;
    if (c != '\n') {
        if (line.length < MaxLine)
            line.text[line.length++] = c;
        else
            line.overflow = true;
        return false;
    }
    line.text[line.length] = 0;
    return true;
}

void Board::handle(Line& line, bool moving) {
    const int length = line.length;
    const bool overflow = line.overflow;
    line.length = 0; // the next character starts a new line
    line.overflow = false;
    if (length == 0 && !overflow) {
        // The host's word that it knows of a restart: what came before it is not to be run.
        synced_ = true;
        return;
    }
    const int body = overflow ? -1 : openLine(line.text, length);
    const char* p = line.text;
    uint8_t tag = 0;
    if (body < 4 || !readHexByte(p, &tag) || *p++ != ' ') {
        event("NAK");
        return;
    }
    line.text[body] = 0;
    const char command = p[0];
    if (moving) {
        // The move's own tag again: its reply comes at its end.
        if (tag == movingTag_)
            return;
        if (command == 'S' && p[1] == 0 && tag == uint8_t(movingTag_ + 1)) {
            stopRequested_ = true;
            stopTag_ = tag;
        } else
            answer(tag, "ERR BUSY");
        return;
    }
    if (!synced_) {
        answer(tag, "ERR RESTARTED");
        return;
    }
    if (int(tag) == lastTag_) {
        io_.sendLine(lastReply_); // the reply was lost: tell it again, do nothing again
        return;
    }
    if (lastTag_ >= 0 && tag != uint8_t(lastTag_ + 1)) {
        // A line between them was lost: nothing after it runs until the host sends it again.
        const char text[] = {'E',
                             'R',
                             'R',
                             ' ',
                             'O',
                             'R',
                             'D',
                             'E',
                             'R',
                             ' ',
                             Hex[lastTag_ >> 4],
                             Hex[lastTag_ & 0xF],
                             0};
        answer(tag, text);
        return;
    }
    execute(tag, command, p + 1);
}

void Board::execute(uint8_t tag, char command, const char* args) {
    const char* p = args;
    uint8_t byte = 0;
    uint32_t axis = 0, count = 0, delay = 0;
    switch (command) {
    case 'I':
        if (*p == 0) {
            char text[MaxLine] = "OK ";
            append(text, sizeof text, BoardName);
            append(text, sizeof text, " ");
            append(text, sizeof text, FirmwareVersion);
            append(text, sizeof text, " AXES 2 ");
            append(text, sizeof text, io_.driveName());
            reply(tag, text);
            return;
        }
        break;
    case 'C':
        if (*p++ == ' ' && readHexByte(p, &byte) && *p == 0) {
            setCoils(byte);
            reply(tag, "OK");
            return;
        }
        break;
    case 'M':
        if (readNumber(p, Axes - 1, &axis) && p[0] == ' ' && (p[1] == '+' || p[1] == '-')) {
            const int direction = p[1] == '+' ? 1 : -1;
            p += 2;
            if (!readNumber(p, 65535, &count) || count == 0 || !readNumber(p, 65535, &delay) ||
                *p != 0)
                break;
            move(tag, int(axis), direction, uint16_t(count), uint16_t(delay));
            return;
        }
        break;
    case 'R':
        if (*p == 0) {
            io_.release();
            reply(tag, "OK");
            return;
        }
        break;
    case 'P':
    case 'S': // nothing is moving: a stop has nothing to end
        if (*p == 0) {
            replyPositions(tag, "OK");
            return;
        }
        break;
    default:
        reply(tag, "ERR UNKNOWN");
        return;
    }
    reply(tag, "ERR ARGS");
}

void Board::setCoils(uint8_t pattern) {
    for (int axis = 0; axis < Axes; ++axis) {
        const uint8_t nibble = uint8_t(pattern >> (4 * axis) & 0xF);
        const int polarity = polarityOf(nibble);
        if (polarity >= 0)
            inverted_ = polarity == 1;
    }
    coils_ = pattern;
    io_.writeCoils(pattern);
    for (int axis = 0; axis < Axes; ++axis) {
        const int phase = phaseOfCoils(uint8_t(pattern >> (4 * axis) & 0xF), inverted_);
        if (phase < 0)
            continue; // released: the rotor keeps its phase
        const int change = phase_[axis] < 0 ? 0 : (phase - phase_[axis]) & 7;
        phase_[axis] = phase;
        // A jump of more than a half-step is one the rotor cannot follow: nothing is counted.
        const int direction = change == 1 ? 1 : change == 7 ? -1 : 0;
        if (direction != 0) {
            io_.stepPulse(axis, direction);
            position_[axis] += direction;
        }
    }
}

void Board::move(uint8_t tag, int axis, int direction, uint16_t count, uint16_t delay) {
    stopRequested_ = false;
    movingTag_ = tag;
    const int shift = 4 * axis;
    for (uint16_t i = 0; i < count; ++i) {
        if (stopArrived()) {
            replyPositions(tag, "ERR STOPPED");
            replyPositions(stopTag_, "OK");
            return;
        }
        phase_[axis] = (phase_[axis] < 0 ? 0 : phase_[axis] + direction) & 7;
        uint8_t nibble = coilsOfPhase(phase_[axis]);
        if (inverted_)
            nibble = uint8_t(~nibble & 0xF);
        coils_ = uint8_t((coils_ & ~(0xF << shift)) | nibble << shift);
        io_.writeCoils(coils_);
        io_.stepPulse(axis, direction);
        position_[axis] += direction;
        if (i + 1 < count)
            io_.waitMicros(delay);
    }
    replyPositions(tag, "OK");
}

bool Board::stopArrived() {
    char c;
    while (!stopRequested_ && io_.readByte(&c))
        if (gather(moveLine_, c))
            handle(moveLine_, true);
    return stopRequested_;
}

void Board::reply(uint8_t tag, const char* text) {
    format(lastReply_, tag, text);
    lastTag_ = tag;
    io_.sendLine(lastReply_);
}

void Board::answer(uint8_t tag, const char* text) {
    char line[MaxLine + 4];
    format(line, tag, text);
    io_.sendLine(line);
}

void Board::format(char* line, uint8_t tag, const char* text) {
    const char head[] = {Hex[tag >> 4], Hex[tag & 0xF], ' ', 0};
    line[0] = 0;
    append(line, MaxLine + 4, head);
    append(line, MaxLine + 4, text);
    sealLine(line, MaxLine + 4);
}

void Board::replyPositions(uint8_t tag, const char* word) {
    char text[MaxLine] = "";
    append(text, sizeof text, word);
    for (int axis = 0; axis < Axes; ++axis) {
        append(text, sizeof text, " ");
        appendNumber(text, sizeof text, position_[axis]);
    }
    reply(tag, text);
}

void Board::event(const char* text) {
    char line[MaxLine + 4] = {EventTag, ' ', 0};
    append(line, sizeof line, text);
    sealLine(line, sizeof line);
    io_.sendLine(line);
}

void Board::reportPad() {
    const uint8_t pad = io_.readPad();
    const uint32_t now = io_.millis();
    if (pad == pad_ && now - padSentMs_ < PadRepeatMs)
        return;
    pad_ = pad;
    padSentMs_ = now;
    const char text[] = {'K', ' ', Hex[pad >> 4], Hex[pad & 0xF], 0};
    event(text);
}

} // namespace orvanelink
