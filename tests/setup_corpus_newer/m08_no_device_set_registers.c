// 40 MHz, FPBDIV = DIV_1: PBCLK 40 MHz
#include <xc.h>

#pragma config FPBDIV = DIV_1
#define SYS_FREQ 40000000UL

void uart_init(void)
{
    U1MODECLR = 0x8000;
    U1BRG = 21;               // 115200 baud
    U1STASET = 0x1400;
    U1MODESET = 0x8000;
}
