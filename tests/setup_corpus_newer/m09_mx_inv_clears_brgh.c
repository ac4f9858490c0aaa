// PIC32MX795F512L, 80 MHz, FPBDIV = DIV_2 -> PBCLK 40 MHz, 115200 baud
#include <xc.h>

#pragma config FPBDIV = DIV_2
#define SYS_FREQ 80000000UL

void uart_init(void)
{
    U1MODE = 0x0008;          // BRGH
    U1BRG = 86;
    U1STASET = 0x1400;
    U1MODEINV = 0x0008;       // BRGH (meant: set it)
    U1MODESET = 0x8000;
}
