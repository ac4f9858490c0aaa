#include <xc.h>
#include "logger.h"

void board_init(void)
{
    ANSEL = 0x00;
    ANSELH = 0x00;
    TRISA = 0xFF;
    TRISC = 0x00;               /* all of PORTC driven, the logger only sends */
    PORTC = 0x00;
}

void log_init(void)
{
    BAUDCTLbits.BRG16 = 0;
    SPBRGH = 0;
    SPBRG = 64;                 /* 19200 baud */
    TXSTAbits.SYNC = 0;
    TXSTAbits.BRGH = 1;
    RCSTAbits.CREN = 0;
    RCSTAbits.SPEN = 1;
    TXSTAbits.TXEN = 1;
}

void log_byte(unsigned char b)
{
    while (!TXSTAbits.TRMT)
        ;
    TXREG = b;
}

void log_text(const char *s)
{
    while (*s)
        log_byte((unsigned char)*s++);
}
