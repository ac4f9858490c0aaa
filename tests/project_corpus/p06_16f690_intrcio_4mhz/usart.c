/*
 * usart.c - 16F690 EUSART, TX on RB7 (pin 10), RX on RB5/AN11 (pin 12).
 * 9600 baud with the 16-bit generator, high speed.
 */
#include "system.h"
#include "usart.h"

void usart_init(void)
{
    ANSELHbits.ANS11 = 0;       // RB5 is AN11: make it digital
    TRISBbits.TRISB5 = 1;       // RX
    TRISBbits.TRISB7 = 0;       // TX

    BAUDCTLbits.BRG16 = 1;
    TXSTAbits.BRGH = 1;
    SPBRGH = 0;
    SPBRG = 103;

    TXSTAbits.SYNC = 0;
    RCSTAbits.SPEN = 1;
    TXSTAbits.TXEN = 1;
    RCSTAbits.CREN = 1;
}

void usart_tx(uint8_t b)
{
    while (!TXSTAbits.TRMT)
        ;
    TXREG = b;
}

uint8_t usart_rx(void)
{
    while (!PIR1bits.RCIF)
        ;
    return RCREG;
}
