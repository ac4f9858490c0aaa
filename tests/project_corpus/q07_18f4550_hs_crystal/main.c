/* PIC18F4550 on a 20 MHz crystal, no PLL */
#pragma config PLLDIV = 5, CPUDIV = OSC1_PLL2, USBDIV = 1
#pragma config FOSC = HS, FCMEN = OFF, IESO = OFF
#pragma config PWRT = ON, BOR = OFF, WDT = OFF
#pragma config MCLRE = ON, PBADEN = OFF, LVP = OFF, XINST = OFF

#include <xc.h>
#include "link.h"

void main(void)
{
    link_init();
    for (;;) {
        link_tx(link_rx());
    }
}
