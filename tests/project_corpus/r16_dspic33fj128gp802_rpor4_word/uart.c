#include <xc.h>
#include "uart.h"

void uart_init(void)
{
    AD1PCFGL = 0xFFFF;
    TRISBbits.TRISB8 = 1;       /* RP8 in */
    TRISBbits.TRISB9 = 0;       /* RP9 out */

    __builtin_write_OSCCONL(OSCCON & ~(1 << 6));
    RPOR4 = 0x0300;             /* RP9R = 3 (U1TX), RP8R = 0 */
    RPINR18 = 0x1F08;           /* U1CTSR = 31, U1RXR = 8 */
    __builtin_write_OSCCONL(OSCCON | (1 << 6));

    U1MODEbits.STSEL = 0;
    U1MODEbits.PDSEL = 0;
    U1MODEbits.BRGH = 1;
    U1BRG = 7;                  /* 115200 baud */
    U1MODEbits.UARTEN = 1;
    U1STAbits.UTXEN = 1;
}

void uart_put(unsigned char b)
{
    while (U1STAbits.UTXBF)
        ;
    U1TXREG = b;
}

unsigned char uart_get(void)
{
    while (!U1STAbits.URXDA)
        ;
    return (unsigned char)U1RXREG;
}
