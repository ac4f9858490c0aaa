#include <xc.h>
#include "uart1.h"

void uart1_init(void)
{
    ANSELC = 0x00;
    TRISC = 0x80;               /* RC7 input, RC6 output */
    U1RXPPS = 0x17;             /* RC7 -> U1RX */

    U1CON0 = 0x00;              /* BRGS = 0, MODE = 0000 */
    U1BRGH = 0;
    U1BRGL = 207;               /* 19200 baud */
    U1CON0bits.TXEN = 1;
    U1CON0bits.RXEN = 1;
    U1CON1bits.ON = 1;
}

void uart1_write(uint8_t b)
{
    while (U1FIFObits.TXBF)
        ;
    U1TXB = b;
}

uint8_t uart1_read(void)
{
    while (U1FIFObits.RXBE)
        ;
    return U1RXB;
}
