/*
 * uart.c - UART1, 9600 8N1, standard speed (BRGH = 0)
 * U1TX on RP8 (RB8). U1RX comes from the radio module.
 */
#include "system.h"

void uart1_init(void)
{
    __builtin_write_OSCCONL(OSCCON & 0xBF);     /* unlock PPS */
    RPOR4bits.RP8R = 3;                         /* RP8 <- U1TX */
    __builtin_write_OSCCONL(OSCCON | 0x40);     /* lock PPS */

    U1MODE = 0x0000;                            /* 8N1, BRGH = 0 */
    U1BRG = BRGVAL;
    U1MODEbits.UARTEN = 1;
    U1STAbits.UTXEN = 1;
}

void uart1_putc(char c)
{
    while (U1STAbits.UTXBF)
        ;
    U1TXREG = c;
}

int uart1_getc(void)
{
    if (!U1STAbits.URXDA)
        return -1;
    return U1RXREG & 0xFF;
}
