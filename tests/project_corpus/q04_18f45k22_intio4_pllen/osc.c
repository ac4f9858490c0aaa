#include <xc.h>
#include "app.h"

void osc_init(void)
{
    OSCCON = 0x50;              /* IRCF 101, SCS 00 */
    OSCTUNEbits.PLLEN = 1;      /* ask for the 4x PLL */
    while (!OSCCONbits.HFIOFS) {}
}

void eusart1_init(void)
{
    unsigned int brg = (unsigned int)(_XTAL_FREQ / (4UL * BAUDRATE) - 1UL);

    ANSELCbits.ANSC6 = 0;
    ANSELCbits.ANSC7 = 0;
    TRISCbits.TRISC6 = 1;       /* both EUSART pins set as inputs; */
    TRISCbits.TRISC7 = 1;       /* the EUSART drives TX itself     */

    BAUDCON1bits.BRG16 = 1;
    TXSTA1bits.BRGH = 1;
    TXSTA1bits.SYNC = 0;
    SPBRGH1 = (unsigned char)(brg >> 8);
    SPBRG1 = (unsigned char)brg;

    RCSTA1bits.SPEN = 1;
    TXSTA1bits.TXEN = 1;
    RCSTA1bits.CREN = 1;
}
