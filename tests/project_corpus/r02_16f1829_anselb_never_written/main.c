/* PIC16F1829 on a 20 MHz crystal: line buffer over the EUSART (RB5/RB7). */
#include <xc.h>
#include "serial.h"

#pragma config FOSC = HS, WDTE = OFF, PWRTE = ON, MCLRE = ON, CP = OFF
#pragma config CPD = OFF, BOREN = ON, CLKOUTEN = OFF, IESO = OFF, FCMEN = OFF
#pragma config WRT = OFF, PLLEN = OFF, STVREN = ON, BORV = LO, LVP = OFF

void main(void)
{
    unsigned char b;

    ports_init();
    serial_open();
    for (;;) {
        b = serial_read();
        if (b >= 'a' && b <= 'z')
            b -= 32;
        serial_write(b);
    }
}
