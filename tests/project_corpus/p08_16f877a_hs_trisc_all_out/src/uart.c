/* uart.c - USART, asynchronous, 8 bit */
#include "../include/system.h"

void uart_init(void)
{
    SPBRG = (_XTAL_FREQ / (16UL * BAUD)) - 1;   /* BRGH = 1 */
    TXSTA = 0x24;               // TXEN, BRGH
    RCSTA = 0x90;               // SPEN, CREN
}

void uart_putch(char c)
{
    while (!TXIF)
        continue;
    TXREG = c;
}

char uart_getch(void)
{
    while (!RCIF)
        continue;
    if (OERR) {
        CREN = 0;
        CREN = 1;
    }
    return RCREG;
}
