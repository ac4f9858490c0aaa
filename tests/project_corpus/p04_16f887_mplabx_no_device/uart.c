/* uart.c - EUSART on RC6 (TX) / RC7 (RX) */
#include "system.h"

void uart_init(void)
{
    TRISCbits.TRISC6 = 0;
    TRISCbits.TRISC7 = 1;

    BAUDCTLbits.BRG16 = 0;
    TXSTAbits.BRGH = 1;
    SPBRGH = 0;
    SPBRG = 25;                 // 19200 baud

    TXSTAbits.SYNC = 0;
    RCSTAbits.SPEN = 1;
    RCSTAbits.CREN = 1;
    TXSTAbits.TXEN = 1;
}

void uart_write(uint8_t b)
{
    while (!PIR1bits.TXIF)
        ;
    TXREG = b;
}

uint8_t uart_read(void)
{
    while (!PIR1bits.RCIF)
        ;
    if (RCSTAbits.OERR) {
        RCSTAbits.CREN = 0;
        RCSTAbits.CREN = 1;
    }
    return RCREG;
}
