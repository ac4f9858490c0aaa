#include "board_cfg.h"
#include <xc.h>
#include "uart.h"

void uart_init(unsigned long baud)
{
    TRISBbits.TRISB14 = 0;          /* RP14 = TX */
    TRISBbits.TRISB15 = 1;          /* RP15 = RX */

    __builtin_write_OSCCONL(OSCCON & 0xBF);    /* unlock PPS */
    RPOR7bits.RP14R = 3;            /* U1TX on RP14 */
    RPINR18bits.U1RXR = 15;         /* U1RX from RP15 */
    __builtin_write_OSCCONL(OSCCON | 0x40);    /* lock PPS */

    U1MODE = 0;
    U1MODEbits.BRGH = 0;
    U1BRG = (unsigned int)(FCY / (16UL * baud) - 1UL);
    U1MODEbits.UARTEN = 1;
    U1STAbits.UTXEN = 1;
}

void uart_tx(char c)
{
    while (U1STAbits.UTXBF) {}
    U1TXREG = c;
}
