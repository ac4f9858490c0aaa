/* sensor node, PIC16F1829 */
#pragma config FOSC = INTOSC, WDTE = OFF, PWRTE = ON, MCLRE = ON, CP = OFF
#pragma config CPD = OFF, BOREN = ON, CLKOUTEN = OFF, IESO = OFF, FCMEN = OFF
#pragma config WRT = OFF, PLLEN = ON, STVREN = ON, BORV = LO, LVP = OFF

#include "board.h"
#include <xc.h>
#include "serial.h"

static void clock_init(void)
{
    OSCCONbits.SCS = 0b00;      /* clock from FOSC config (INTOSC) */
    OSCCONbits.IRCF = 0b1111;   /* "fastest" internal setting */
}

void main(void)
{
    clock_init();
    serial_init();
    for (;;) {
        if (serial_ready()) {
            serial_put(serial_get());
        }
    }
}
