#include <xc.h>
#define _XTAL_FREQ 4000000UL
#define BAUD       9600UL

void uart_init(void)
{
    TXSTAbits.BRGH = 1;
    SPBRG = _XTAL_FREQ / (16UL * BAUD);     // 9600 baud
    TXSTAbits.TXEN = 1;
    RCSTAbits.SPEN = 1;
    RCSTAbits.CREN = 1;
}
