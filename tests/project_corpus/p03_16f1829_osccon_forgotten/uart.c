/* uart.c - EUSART driver, 8N1, 8-bit baud rate generator, high speed */
#include "system.h"
#include "uart.h"

void uart_init(void)
{
    TRISBbits.TRISB7 = 0;           // TX
    TRISBbits.TRISB5 = 1;           // RX

    BAUDCONbits.BRG16 = 0;
    TXSTAbits.BRGH = 1;
    SPBRGH = 0;
    SPBRGL = (uint8_t)((_XTAL_FREQ / (16UL * UART_BAUD)) - 1);

    TXSTAbits.SYNC = 0;
    RCSTAbits.SPEN = 1;
    TXSTAbits.TXEN = 1;
    RCSTAbits.CREN = 1;
}

void uart_putc(char c)
{
    while (!TXSTAbits.TRMT)
        ;
    TXREG = c;
}

void uart_puts(const char *s)
{
    while (*s)
        uart_putc(*s++);
}

uint8_t uart_getc(void)
{
    while (!PIR1bits.RCIF)
        ;
    if (RCSTAbits.OERR) {
        RCSTAbits.CREN = 0;
        RCSTAbits.CREN = 1;
    }
    return RCREG;
}
