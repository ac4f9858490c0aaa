#include <xc.h>

#define _XTAL_FREQ 4000000      // copied from the old board
#define BAUD       9600

void uart_init(void)
{
    SPBRG = (_XTAL_FREQ / 16 / BAUD) - 1;
    TXSTA = 0x24;
    RCSTA = 0x90;
}
