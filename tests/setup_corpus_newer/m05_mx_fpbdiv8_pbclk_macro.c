// PIC32MX360F512L, 80 MHz core, slow peripheral bus (FPBDIV = DIV_8) to save power
#include <xc.h>

#pragma config FPBDIV = DIV_8

#define SYS_FREQ 80000000UL
#define PBCLK    (SYS_FREQ / 8)
#define BAUD     9600

void uart_init(void)
{
    U1MODEbits.BRGH = 0;
    U1BRG = PBCLK / (16 * BAUD) - 1;
    U1STAbits.UTXEN = 1;
    U1STAbits.URXEN = 1;
    U1MODEbits.ON = 1;
}
