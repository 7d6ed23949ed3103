// The motor board: an ATmega328P at 16 MHz (Arduino Uno or Nano) between the serial line and two
// stepper motors, with the hand pad on four inputs. Build with ORVANE_STEPDIR for step/dir
// drivers (A4988, DRV8825, TMC2209 set to half-steps), else two ULN2003 coil drivers.
//
// Coils: axis 0 on D4..D7, axis 1 on D8..D11 (coil 1 on the lowest pin).
// Step/dir: axis 0 step D4, dir D5; axis 1 step D8, dir D9; drivers' enable (active low) D10.
// Hand pad: A0..A3 with pull-ups, a line is active when pulled to ground; A0..A3 are the printer
// port's status pins 13, 12, 10 and 11.

#include "protocol/BoardProtocol.h"

#include <avr/interrupt.h>
#include <avr/io.h>
#include <util/delay.h>

// Pure virtual calls cannot happen here; the compiler still wants the handler.
extern "C" void __cxa_pure_virtual() {
    for (;;) {
    }
}

namespace {

const uint32_t Baud = 115200;
const uint8_t RxMask = 63; // the receive ring holds 64 characters

volatile uint8_t rxRing[RxMask + 1];
volatile uint8_t rxHead = 0;
uint8_t rxTail = 0;
volatile uint32_t clockMs = 0;

void setUpSerial() {
    UCSR0A = _BV(U2X0); // double speed: 2.1% off 115200 at 16 MHz, within what UARTs take
    UBRR0 = uint16_t(F_CPU / (8 * Baud) - 1);
    UCSR0B = _BV(RXEN0) | _BV(TXEN0) | _BV(RXCIE0);
    UCSR0C = _BV(UCSZ01) | _BV(UCSZ00); // 8N1
}

void setUpClock() {
    TCCR0A = _BV(WGM01); // CTC, 16 MHz / 64 / 250 = 1 kHz
    TCCR0B = _BV(CS01) | _BV(CS00);
    OCR0A = 249;
    TIMSK0 = _BV(OCIE0A);
}

void setUpPins() {
#ifdef ORVANE_STEPDIR
    DDRD |= _BV(PD4) | _BV(PD5);
    DDRB |= _BV(PB0) | _BV(PB1) | _BV(PB2);
    PORTB |= _BV(PB2); // drivers disabled until the first pattern
#else
    DDRD |= 0xF0;
    DDRB |= 0x0F;
#endif
    DDRC &= ~0x0F;
    PORTC |= 0x0F; // pull-ups on the hand pad's lines
}

void send(char c) {
    while (!(UCSR0A & _BV(UDRE0))) {
    }
    UDR0 = uint8_t(c);
}

class AvrIo : public orvanelink::BoardIo {
  public:
    bool readByte(char* c) override {
        if (rxTail == rxHead)
            return false;
        *c = char(rxRing[rxTail]);
        rxTail = (rxTail + 1) & RxMask;
        return true;
    }
    void sendLine(const char* text) override {
        while (*text)
            send(*text++);
        send('\n');
    }
#ifdef ORVANE_STEPDIR
    void writeCoils(uint8_t) override {
        PORTB &= ~_BV(PB2);
    }
    void stepPulse(int axis, int direction) override {
        volatile uint8_t& port = axis == 0 ? PORTD : PORTB;
        const uint8_t step = axis == 0 ? _BV(PD4) : _BV(PB0);
        const uint8_t dir = axis == 0 ? _BV(PD5) : _BV(PB1);
        port = direction > 0 ? port | dir : port & ~dir;
        _delay_us(1); // direction set-up time of the drivers
        port |= step;
        _delay_us(2);
        port &= ~step;
    }
    void release() override {
        PORTB |= _BV(PB2);
    }
    const char* driveName() override {
        return "STEPDIR";
    }
#else
    void writeCoils(uint8_t pattern) override {
        PORTD = uint8_t((PORTD & 0x0F) | (pattern << 4));
        PORTB = uint8_t((PORTB & 0xF0) | (pattern >> 4));
    }
    void stepPulse(int, int) override {}
    void release() override {
        writeCoils(0);
    }
    const char* driveName() override {
        return "COILS";
    }
#endif
    uint8_t readPad() override {
        return uint8_t((~PINC & 0x0F) << 4);
    }
    uint32_t millis() override {
        cli();
        const uint32_t now = clockMs;
        sei();
        return now;
    }
    void waitMicros(uint16_t micros) override {
        while (micros--)
            _delay_us(1);
    }
};

} // namespace

ISR(USART_RX_vect) {
    const uint8_t c = UDR0;
    const uint8_t next = (rxHead + 1) & RxMask;
    if (next != rxTail) { // a full ring drops the character; the line's checksum tells
        rxRing[rxHead] = c;
        rxHead = next;
    }
}

ISR(TIMER0_COMPA_vect) {
    ++clockMs;
}

int main() {
    setUpPins();
    setUpSerial();
    setUpClock();
    sei();
    AvrIo io;
    orvanelink::Board board(io);
    for (;;)
        board.service();
}
