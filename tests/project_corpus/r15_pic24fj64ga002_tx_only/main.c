/* PIC24FJ64GA002: sends status text on UART1 (RP7), never reads. Internal FRC. */
#include <xc.h>
#include "telemetry.h"

#pragma config FNOSC = FRC, POSCMOD = NONE, OSCIOFNC = ON, FCKSM = CSDCMD
#pragma config IESO = OFF, IOL1WAY = OFF
#pragma config FWDTEN = OFF, JTAGEN = OFF, ICS = PGx1

int main(void)
{
    volatile unsigned long i;

    telemetry_init();
    for (;;) {
        telemetry_send("alive\r\n");
        for (i = 0; i < 200000UL; i++)
            ;
    }
    return 0;
}
