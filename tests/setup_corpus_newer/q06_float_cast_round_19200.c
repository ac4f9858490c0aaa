/* PIC18F16Q41 on the 32 MHz internal clock */
#include <xc.h>
#include <stdint.h>

#define _XTAL_FREQ 32000000
#define BAUD_RATE  19200

void serial_setup(void)
{
    U1CON0 = 0b00110000;   // BRGS=0, TXEN, RXEN, MODE=0000
    U1BRG = (uint16_t)((float)_XTAL_FREQ / (16.0 * BAUD_RATE) - 1 + 0.5);
    U1CON1 = 0b10000000;   // ON
}
