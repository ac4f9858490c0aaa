#include <xc.h>
#include "uart2.h"

#pragma config FOSC = INTIO67
#pragma config PLLCFG = ON
#pragma config PRICLKEN = ON
#pragma config FCMEN = OFF
#pragma config IESO = OFF
#pragma config WDTEN = OFF
#pragma config PBADEN = OFF
#pragma config LVP = OFF
#pragma config XINST = OFF

void main(void)
{
    OSCCON = 0x60;                  /* IRCF 110 (8 MHz), SCS 00 */
    while (!OSCCON2bits.PLLRDY) {}

    uart2_open();
    for (;;) {
        uart2_putc(uart2_getc());
    }
}
