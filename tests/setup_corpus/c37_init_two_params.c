#include <xc.h>
#define _XTAL_FREQ 20000000UL

void UART_Init(unsigned long baud, unsigned char high_speed)
{
    if (high_speed) {
        TXSTAbits.BRGH = 1;
        SPBRG = (unsigned char)((_XTAL_FREQ / (16UL * baud)) - 1);
    } else {
        TXSTAbits.BRGH = 0;
        SPBRG = (unsigned char)((_XTAL_FREQ / (64UL * baud)) - 1);
    }
    TXSTAbits.SYNC = 0;
    RCSTAbits.SPEN = 1;
    TXSTAbits.TXEN = 1;
    RCSTAbits.CREN = 1;
}

void main(void)
{
    UART_Init(19200, 0);
    for (;;) ;
}
