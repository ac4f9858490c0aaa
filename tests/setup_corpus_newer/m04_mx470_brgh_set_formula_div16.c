// PIC32MX470F512H, 80 MHz, FPBDIV = DIV_1
#include <xc.h>

#pragma config FPBDIV = DIV_1

#define SYS_FREQ 80000000
#define BAUD 9600

void uart_init(void)
{
    U1BRG = SYS_FREQ / (16 * BAUD) - 1;
    U1STASET = 0x1400;
    U1MODESET = 0x8008;       // ON, BRGH
}
