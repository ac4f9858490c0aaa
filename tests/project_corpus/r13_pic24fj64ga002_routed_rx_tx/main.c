/* PIC24FJ64GA002: UART1 echo, TX on RP9, RX on RP8, internal FRC. */
#include <xc.h>
#include "uart1.h"

#pragma config FNOSC = FRC, POSCMOD = NONE, OSCIOFNC = ON, FCKSM = CSDCMD
#pragma config IESO = OFF, IOL1WAY = OFF, I2C1SEL = PRI
#pragma config FWDTEN = OFF, JTAGEN = OFF, ICS = PGx1, GWRP = OFF, GCP = OFF

int main(void)
{
    uart1_pins();
    uart1_init();
    for (;;)
        uart1_putc(uart1_getc());
    return 0;
}
