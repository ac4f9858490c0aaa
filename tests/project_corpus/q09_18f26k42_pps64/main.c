#include <xc.h>
#include "k42_uart.h"

#pragma config FEXTOSC = OFF, RSTOSC = HFINTOSC_64MHZ, CLKOUTEN = OFF, CSWEN = ON, FCMEN = ON
#pragma config MCLRE = EXTMCLR, PWRTS = PWRT_OFF, MVECEN = ON, IVT1WAY = ON, LPBOREN = OFF, BOREN = SBORDIS
#pragma config WDTE = OFF, LVP = ON, XINST = OFF

void main(void)
{
    u1_setup();
    for (;;) {
        if (!U1FIFObits.RXBE) {
            u1_send(U1RXB);
        }
    }
}
