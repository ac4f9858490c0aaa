#include <xc.h>
#include "uart.h"

void uart_init(void)
{
    ANSELB = 0x00;              /* RB4 and RB5 digital */
    TRISBbits.TRISB5 = 1;       /* RX */
    TRISBbits.TRISB7 = 0;       /* TX */

    BAUDCONbits.BRG16 = 0;
    TXSTAbits.SYNC = 0;
    TXSTAbits.BRGH = 1;
    SPBRGH = 0;
    SPBRGL = 103;               /* 9600 baud */

    RCSTAbits.SPEN = 1;
    RCSTAbits.CREN = 1;
    TXSTAbits.TXEN = 1;
}

void uart_putc(char c)
{
    while (!PIR1bits.TXIF)
        ;
    TXREG = c;
}

void uart_puts(const char *s)
{
    while (*s)
        uart_putc(*s++);
}

char uart_getc(void)
{
    while (!PIR1bits.RCIF)
        ;
    return RCREG;
}
