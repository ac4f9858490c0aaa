#include <xc.h>
#include "uart.h"

void uart_init(void)
{
    ANSELB = 0x0000;
    TRISBbits.TRISB4 = 0;
    RPB4R = 2;                  /* output function select for RB4 */

    U1MODE = 0;
    U1MODEbits.BRGH = 0;
    U1BRG = 51;                 /* 9600 baud */
    U1STAbits.UTXEN = 1;
    U1MODEbits.ON = 1;
}

void uart_write(const char *s)
{
    while (*s) {
        while (U1STAbits.UTXBF)
            ;
        U1TXREG = *s++;
    }
}
