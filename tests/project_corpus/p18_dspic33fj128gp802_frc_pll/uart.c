/*
 * uart.c - UART1 at 115200 baud (BRGH = 1), U1TX on RP8, U1RX on RP9
 */
#include "system.h"

void uart1_init(void)
{
    /* PPS: unlock, map, lock */
    __builtin_write_OSCCONL(OSCCON & ~(1 << 6));
    RPINR18bits.U1RXR = 9;          /* U1RX <- RP9 (RB9, pin 18) */
    RPOR4bits.RP8R = 3;             /* RP8 (RB8, pin 17) <- U1TX */
    __builtin_write_OSCCONL(OSCCON | (1 << 6));

    U1MODEbits.STSEL = 0;           /* 1 stop bit */
    U1MODEbits.PDSEL = 0;           /* 8 bit, no parity */
    U1MODEbits.ABAUD = 0;
    U1MODEbits.BRGH = 1;            /* 4 clocks per bit period */
    U1BRG = 85;                     /* FCY / (4 * 115200) - 1 = 84.97 */

    U1MODEbits.UARTEN = 1;
    U1STAbits.UTXEN = 1;
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
