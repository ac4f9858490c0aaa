// PIC32MX250F128B - the 80 MHz settings copied from a PIC32MX795 project
#include <xc.h>

#pragma config FPBDIV = DIV_1
#define SYS_FREQ 80000000UL
#define BAUD 9600

void uart_init(void)
{
    U1BRG = SYS_FREQ / (16 * BAUD) - 1;
    U1STASET = 0x1400;
    U1MODESET = 0x8000;
}
