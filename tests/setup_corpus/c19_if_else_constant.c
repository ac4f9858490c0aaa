#include <xc.h>
#define _XTAL_FREQ 18432000
#define BAUD       38400

void uart_init(void)
{
    if (BAUD >= 38400) {
        TXSTAbits.BRGH = 1;
        SPBRG = _XTAL_FREQ / 16 / BAUD - 1;
    } else {
        TXSTAbits.BRGH = 0;
        SPBRG = _XTAL_FREQ / 64 / BAUD - 1;
    }
    TXSTAbits.SYNC = 0;
    TXSTAbits.TXEN = 1;
    RCSTAbits.SPEN = 1;
    RCSTAbits.CREN = 1;
}
