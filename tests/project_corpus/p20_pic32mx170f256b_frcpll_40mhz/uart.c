/*
 * uart.c - UART1: U1RX on RPA4 (pin 12), U1TX on RPB4 (pin 11)
 * 115200 baud, BRGH = 1 (divide by 4)
 */
#include "system.h"

#define UART_BAUD 115200UL
#define UART_BRG  (((SYS_FREQ + 2UL * UART_BAUD) / (4UL * UART_BAUD)) - 1)

void uart1_init(void)
{
    ANSELA = 0;
    ANSELB = 0;

    U1RXR = 2;                  /* U1RX <- RPA4 */
    RPB4R = 1;                  /* RPB4 <- U1TX */

    U1MODE = 0;
    U1MODEbits.BRGH = 1;
    U1BRG = UART_BRG;
    U1STA = 0;
    U1STAbits.URXEN = 1;
    U1STAbits.UTXEN = 1;
    U1MODEbits.ON = 1;
}

void uart1_putc(char c)
{
    while (U1STAbits.UTXBF)
        ;
    U1TXREG = c;
}

void uart1_puts(const char *s)
{
    while (*s)
        uart1_putc(*s++);
}

int uart1_getc(void)
{
    if (U1STAbits.OERR)
        U1STAbits.OERR = 0;
    if (!U1STAbits.URXDA)
        return -1;
    return (int)(U1RXREG & 0xFF);
}
