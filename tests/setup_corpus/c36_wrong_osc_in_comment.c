#include <xc.h>
#define _XTAL_FREQ 8000000

void uart_init(void)
{
    SPBRG = 25;                     // 9600 baud @ 4 MHz
    TXSTAbits.BRGH = 1;
    TXSTAbits.TXEN = 1;
    RCSTAbits.SPEN = 1;
    RCSTAbits.CREN = 1;
}
