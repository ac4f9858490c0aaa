#include <xc.h>
#include "uart.h"

void uart_init(void)
{
    ANSELBbits.ANSB4 = 0;       /* RB4 used as a digital input */
    TRISBbits.TRISB4 = 1;
    TRISBbits.TRISB5 = 1;
    TRISBbits.TRISB7 = 0;

    BAUDCONbits.BRG16 = 1;
    TXSTAbits.BRGH = 1;
    TXSTAbits.SYNC = 0;
    SPBRGH = 0;
    SPBRGL = 207;               /* 9600 baud */

    RCSTAbits.SPEN = 1;
    RCSTAbits.CREN = 1;
    TXSTAbits.TXEN = 1;
}

void uart_tx(unsigned char c)
{
    while (!PIR1bits.TXIF)
        ;
    TXREG = c;
}

unsigned char uart_rx(void)
{
    while (!PIR1bits.RCIF)
        ;
    return RCREG;
}
