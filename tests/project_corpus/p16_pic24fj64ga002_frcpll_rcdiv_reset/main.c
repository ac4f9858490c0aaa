/*
 * main.c - echo test for the PIC24FJ64GA002
 */
#include "system.h"

int main(void)
{
    AD1PCFG = 0xFFFF;               /* all pins digital */
    TRISAbits.TRISA0 = 0;           /* LED */

    uart1_init();

    while (1) {
        char c = uart1_getc();
        uart1_putc(c);
        LATAbits.LATA0 ^= 1;
    }
    return 0;
}
