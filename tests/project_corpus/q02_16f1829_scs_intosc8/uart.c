#include <xc.h>
#include <stdint.h>
#include "hw.h"

void uart_init(unsigned long baud)
{
    uint16_t brg = (uint16_t)((FOSC / (4UL * baud)) - 1);

    ANSELBbits.ANSB5 = 0;
    TRISBbits.TRISB5 = 1;
    TRISBbits.TRISB7 = 0;

    BAUDCONbits.BRG16 = 1;
    TXSTAbits.BRGH = 1;
    TXSTAbits.SYNC = 0;
    SPBRGL = (uint8_t)brg;
    SPBRGH = (uint8_t)(brg >> 8);

    RCSTAbits.SPEN = 1;
    RCSTAbits.CREN = 1;
    TXSTAbits.TXEN = 1;
}

void uart_write(unsigned char b)
{
    while (!PIR1bits.TXIF) {}
    TXREG = b;
}

unsigned char uart_read(void)
{
    while (!PIR1bits.RCIF) {}
    return RCREG;
}
