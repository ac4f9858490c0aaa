#include <xc.h>
#include "clock.h"
#include "uart1.h"

void uart1_init(void)
{
    ANSELB = 0x0000;
    TRISBbits.TRISB10 = 0;                  /* TX */
    TRISBbits.TRISB15 = 1;                  /* RX */

    __builtin_write_OSCCONL(OSCCON & ~(1 << 6));
    RPOR4bits.RP42R = 1;                    /* U1TX -> RP42 (RB10) */
    RPINR18bits.U1RXR = 47;                 /* U1RX <- RPI47 (RB15) */
    __builtin_write_OSCCONL(OSCCON | (1 << 6));

    U1MODE = 0;
    U1MODEbits.BRGH = 1;
    U1BRG = BRGVAL;
    U1MODEbits.UARTEN = 1;
    U1STAbits.UTXEN = 1;
}

void uart1_putc(char c)
{
    while (U1STAbits.UTXBF) {}
    U1TXREG = c;
}
