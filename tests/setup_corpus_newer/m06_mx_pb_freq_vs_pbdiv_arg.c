// PIC32MX795F512L, 80 MHz. Configuration bits live in config.c.
#include <xc.h>

#define SYS_FREQ 80000000UL
#define PB_FREQ  (SYS_FREQ / 2)
#define BAUD     115200

void uart_init(void)
{
    U1BRG = PB_FREQ / (16 * BAUD) - 1;
    U1STASET = 0x1400;
    U1MODESET = 0x8000;
}
