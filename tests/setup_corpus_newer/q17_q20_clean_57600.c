// PIC18F16Q20 at 16 MHz (HFINTOSC)
#include <xc.h>

#define _XTAL_FREQ 16000000UL
#define BAUD 57600UL

void uart_init(void)
{
    U1CON0 = 0xB0;                                  // BRGS, TXEN, RXEN
    U1BRG = (_XTAL_FREQ + 2UL * BAUD) / (4UL * BAUD) - 1;
    U1CON1 = 0x80;
}
