#include "config.h"
#include <xc.h>
#include "usart.h"

#define BAUD 9600UL

void usart_setup(void)
{
    TRISCbits.TRISC6 = 0;   /* TX */
    TRISCbits.TRISC7 = 1;   /* RX */

    BAUDCTLbits.BRG16 = 0;
    TXSTAbits.BRGH = 1;
    TXSTAbits.SYNC = 0;
    SPBRGH = 0;
    SPBRG = (unsigned char)(_XTAL_FREQ / (16UL * BAUD) - 1);

    RCSTAbits.SPEN = 1;
    TXSTAbits.TXEN = 1;
    RCSTAbits.CREN = 1;
}

void usart_send(unsigned char c)
{
    while (!TXSTAbits.TRMT) {}
    TXREG = c;
}
