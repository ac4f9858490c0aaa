/* PIC16F1829 at 4 MHz internal: EUSART moved to RC4/RC5 by APFCON0. */
#include <xc.h>
#include "hw.h"

#pragma config FOSC = INTOSC, WDTE = OFF, PWRTE = ON, MCLRE = ON, CP = OFF
#pragma config CPD = OFF, BOREN = ON, CLKOUTEN = OFF, IESO = OFF, FCMEN = OFF
#pragma config WRT = OFF, PLLEN = OFF, STVREN = ON, BORV = LO, LVP = OFF

void hw_init(void)
{
    OSCCON = 0x6A;              /* SPLLEN=0, IRCF=1101, SCS=10 */
}

void main(void)
{
    hw_init();
    com_init();
    for (;;)
        com_send(com_recv());
}
