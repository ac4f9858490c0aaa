// ported from a dsPIC board: "the Q43 can surely take 80 MHz with the PLL"
#include <xc.h>

#define _XTAL_FREQ 80000000UL
#define BAUD 115200

void uart_init(void)
{
    U1CON0bits.BRGS = 1;
    U1CON0bits.TXEN = 1;
    U1CON0bits.RXEN = 1;
    U1BRG = _XTAL_FREQ / (4 * BAUD) - 1;
    U1CON1bits.ON = 1;
}
