#include <xc.h>
#include "console.h"

void board_pins(void)
{
    AD1PCFG = 0xFFFF;
    TRISB = 0xFDFF;             /* RB9 output */
    __builtin_write_OSCCONL(OSCCON & 0xBF);
    RPOR4bits.RP9R = 3;         /* U1TX on RP9 */
    __builtin_write_OSCCONL(OSCCON | 0x40);
}

void console_init(void)
{
    U1BRG = 51;                 /* 19200 baud with BRGH = 1 */
    U1MODE = 0x8008;            /* UARTEN = 1, BRGH = 1, 8N1 */
    U1STA = 0x0400;             /* UTXEN = 1 */
}

void console_write(unsigned char b)
{
    while (U1STAbits.UTXBF)
        ;
    U1TXREG = b;
}

int console_read(void)
{
    if (!U1STAbits.URXDA)
        return -1;
    return U1RXREG & 0xFF;
}
