#include <xc.h>
#include "eusart1.h"

void eusart1_init(void)
{
    ANSELC = 0x7F;
    TRISCbits.TRISC7 = 1;       /* RX1 */
    TRISCbits.TRISC6 = 0;       /* TX1 */

    BAUDCON1bits.BRG16 = 1;
    TXSTA1bits.BRGH = 1;
    TXSTA1bits.SYNC = 0;
    SPBRGH1 = 0x01;
    SPBRG1 = 0xA0;              /* 9600 baud */

    RCSTA1bits.SPEN = 1;
    RCSTA1bits.CREN = 1;
    TXSTA1bits.TXEN = 1;
}

void eusart1_write(unsigned char b)
{
    while (!PIR1bits.TX1IF)
        ;
    TXREG1 = b;
}

unsigned char eusart1_read(void)
{
    while (!PIR1bits.RC1IF)
        ;
    return RCREG1;
}
