#include <xc.h>
#include "uart1.h"

void uart1_pins(void)
{
    AD1PCFG = 0xFFFF;           /* all analog-capable pins digital */
    TRISBbits.TRISB8 = 1;       /* RB8 = RP8, receive */
    TRISBbits.TRISB9 = 0;       /* RB9 = RP9, transmit */

    __builtin_write_OSCCONL(OSCCON & 0xBF);     /* IOLOCK = 0 */
    RPOR4bits.RP9R = 3;         /* U1TX on RP9 */
    RPINR18bits.U1RXR = 8;      /* U1RX from RP8 */
    __builtin_write_OSCCONL(OSCCON | 0x40);     /* IOLOCK = 1 */
}

void uart1_init(void)
{
    U1MODE = 0;
    U1MODEbits.BRGH = 0;
    U1BRG = 25;                 /* 9600 baud */
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
    return (char)U1RXREG;
}
