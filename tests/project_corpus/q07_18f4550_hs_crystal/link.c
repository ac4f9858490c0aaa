#include <xc.h>
#include "link.h"

void link_init(void)
{
    TRISC |= 0x80;              /* RC7 = RX input */
    TRISC &= 0xBF;              /* RC6 = TX output */

    BAUDCON = 0x08;             /* BRG16 */
    SPBRGH = (unsigned char)(LINK_BRG >> 8);
    SPBRG  = (unsigned char)(LINK_BRG);
    TXSTA  = 0x24;              /* TXEN, BRGH, async */
    RCSTA  = 0x90;              /* SPEN, CREN */
}

void link_tx(unsigned char c)
{
    while (!PIR1bits.TXIF) {}
    TXREG = c;
}

unsigned char link_rx(void)
{
    while (!PIR1bits.RCIF) {}
    return RCREG;
}
