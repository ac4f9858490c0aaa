/* main.c - 18F4620 serial bridge test */
#include "../include/system.h"
#include "../include/uart.h"

void clock_init(void)
{
    OSCCON = 0x70;                  /* IRCF = 111 (8 MHz), SCS = 00 (primary = INTIO67) */
    OSCTUNEbits.PLLEN = 1;          /* 4x PLL on the internal oscillator */
    __delay_ms(2);                  /* PLL lock time */
}

void main(void)
{
    clock_init();
    ADCON1 = 0x0F;                  /* all digital */
    uart_init();

    while (1) {
        uart_send(uart_recv());
    }
}
