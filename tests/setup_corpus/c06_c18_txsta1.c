/* MCC18 - PIC18F8722, HSPLL, Fosc = 40 MHz */
#include <p18f8722.h>

#pragma config OSC = HSPLL, WDT = OFF, LVP = OFF, XINST = OFF

void init_uart1(void)
{
    TRISCbits.TRISC6 = 0;
    TRISCbits.TRISC7 = 1;

    TXSTA1   = 0x24;        /* TXEN = 1, BRGH = 1          */
    RCSTA1   = 0x90;        /* SPEN = 1, CREN = 1          */
    BAUDCON1 = 0x00;        /* 8-bit baud rate generator   */
    SPBRG1   = 64;          /* 38400 bps @ 40 MHz          */
}
