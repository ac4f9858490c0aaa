#include <xc.h>
#include "serial.h"

void pins_init(void)
{
    TRISCbits.TRISC6 = 0;
    ANSELCbits.ANSELC7 = 0;
    TRISCbits.TRISC7 = 1;

    INTCON0bits.GIE = 0;
    PPSLOCK = 0x55;
    PPSLOCK = 0xAA;
    PPSLOCKbits.PPSLOCKED = 0;
    RC6PPS = 0x20;              /* U1TX */
    U1RXPPS = 0x17;             /* RC7 */
    PPSLOCK = 0x55;
    PPSLOCK = 0xAA;
    PPSLOCKbits.PPSLOCKED = 1;
}
