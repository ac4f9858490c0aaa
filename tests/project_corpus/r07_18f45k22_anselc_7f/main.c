/* PIC18F45K22, EUSART1 on RC6/RC7, 16 MHz crystal. */
#include <xc.h>
#include "eusart1.h"

#pragma config FOSC = HSMP, PLLCFG = OFF, PRICLKEN = ON, FCMEN = OFF, IESO = OFF
#pragma config PWRTEN = ON, BOREN = OFF, WDTEN = OFF
#pragma config PBADEN = OFF, MCLRE = EXTMCLR
#pragma config STVREN = ON, LVP = OFF, XINST = OFF

void main(void)
{
    unsigned char b;

    eusart1_init();
    for (;;) {
        b = eusart1_read();
        eusart1_write(b);
        if (b == '\r')
            eusart1_write('\n');
    }
}
