/*
 * uart1.c - UART1 on RP10 (TX, pin 21) and RP11 (RX, pin 22)
 */
#include "system.h"

void uart1_init(void)
{
    /* peripheral pin select */
    __builtin_write_OSCCONL(OSCCON & 0xBF);     /* unlock IOLOCK */
    RPINR18bits.U1RXR = 11;                     /* U1RX <- RP11 */
    RPOR5bits.RP10R = 3;                        /* RP10 <- U1TX */
    __builtin_write_OSCCONL(OSCCON | 0x40);     /* lock */

    U1MODE = 0;                                 /* 8N1, BRGH = 0 */
    U1BRG = BRGVAL;
    U1STA = 0;
    U1MODEbits.UARTEN = 1;
    U1STAbits.UTXEN = 1;
}

void uart1_putc(char c)
{
    while (U1STAbits.UTXBF)
        ;
    U1TXREG = c;
}

char uart1_getc(void)
{
    while (!U1STAbits.URXDA)
        ;
    if (U1STAbits.OERR)
        U1STAbits.OERR = 0;
    return (char)U1RXREG;
}
