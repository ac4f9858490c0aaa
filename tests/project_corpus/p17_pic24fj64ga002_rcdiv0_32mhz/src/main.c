/*
 * main.c - PIC24FJ64GA002 at full speed, 115200 baud console
 */
#include "../include/config_bits.h"
#include "../include/system.h"
#include "../include/uart.h"

int main(void)
{
    CLKDIVbits.RCDIV = 0;           // FRC postscaler 1:1 -> PLL input 8 MHz
    AD1PCFG = 0xFFFF;

    uart_init();

    for (;;) {
        uart_write(uart_read());
    }
    return 0;
}
