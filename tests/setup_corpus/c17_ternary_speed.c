#include <xc.h>

#define FOSC      11059200UL          /* baud-rate crystal */
#define BAUD      115200UL
#define USE_BRGH  (BAUD > 19200UL)

void uart_init(void)
{
    TXSTAbits.BRGH = USE_BRGH ? 1 : 0;
    SPBRG = USE_BRGH ? (FOSC / (16UL * BAUD) - 1)
                     : (FOSC / (64UL * BAUD) - 1);
    TXSTAbits.SYNC = 0;
    RCSTAbits.SPEN = 1;
    TXSTAbits.TXEN = 1;
    RCSTAbits.CREN = 1;
}
