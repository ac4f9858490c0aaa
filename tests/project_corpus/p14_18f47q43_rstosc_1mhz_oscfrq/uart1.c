/* uart1.c - UART1: TX on RC6, RX on RC7 */
#include "board.h"

void uart1_init(void)
{
    /* pins */
    ANSELCbits.ANSELC7 = 0;             /* RX must be digital */
    TRISCbits.TRISC7 = 1;
    U1RXPPS = 0x17;                     /* RC7 -> U1RX */
    RC6PPS = 0x20;                      /* RC6 <- U1TX */

    /* 115200 baud, high speed BRG (divide by 4) */
    U1CON0bits.BRGS = 1;
    U1BRG = (uint16_t)((_XTAL_FREQ / (4UL * UART1_BAUD)) - 1);

    U1CON0bits.MODE = 0;                /* asynchronous 8-bit */
    U1CON0bits.TXEN = 1;
    U1CON0bits.RXEN = 1;
    U1CON1bits.ON = 1;
}

void uart1_putc(uint8_t c)
{
    while (!PIR4bits.U1TXIF)
        ;
    U1TXB = c;
}

void uart1_puts(const char *s)
{
    while (*s)
        uart1_putc((uint8_t)*s++);
}
