// PIC18F47Q43, 64 MHz
#include <xc.h>

#define _XTAL_FREQ 64000000UL
#define BAUD 19200UL

// UART1: 9600 baud, 8N1
void uart1_init(void)
{
    U1CON0 = 0x30;
    U1BRG = _XTAL_FREQ / (16UL * BAUD) - 1;
    U1CON1 = 0x80;
}
