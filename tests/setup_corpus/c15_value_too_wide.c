#include <xc.h>

#define _XTAL_FREQ 20000000
#define BAUD       2400

void uart_init(void)
{
    TXSTA = 0x24;
    RCSTA = 0x90;
    SPBRG = (_XTAL_FREQ / 16 / BAUD) - 1;      // 2400 baud
}
