/*
 * main.c - dsPIC33FJ128GP802, 40 MIPS from the internal FRC
 */
#include "system.h"

void clock_init(void)
{
    /* Fosc = Fin * M / (N1 * N2) = 7.37 MHz * 43 / (2 * 2) */
    PLLFBD = 41;                    /* M = 43 */
    CLKDIVbits.PLLPOST = 0;         /* N2 = 2 */
    CLKDIVbits.PLLPRE = 0;          /* N1 = 2 */

    /* clock switch to FRC with PLL (NOSC = 0b001) */
    __builtin_write_OSCCONH(0x01);
    __builtin_write_OSCCONL(OSCCON | 0x01);
    while (OSCCONbits.COSC != 0b001)
        ;
    while (OSCCONbits.LOCK != 1)
        ;
}

int main(void)
{
    clock_init();
    AD1PCFGL = 0xFFFF;              /* all digital */

    uart1_init();
    uart1_puts("dsPIC33FJ up\r\n");

    while (1) {
        __delay_ms(1000);
        uart1_puts("tick\r\n");
    }
    return 0;
}
