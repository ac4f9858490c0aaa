/* main.c - sensor node: prints a counter once a second */
#include "board.h"
#include <stdio.h>

void clock_init(void)
{
    OSCFRQ = 0x08;                      /* HFINTOSC 64 MHz */
    while (!OSCSTATbits.HFOR)
        ;
}

void main(void)
{
    char buf[24];
    uint16_t n = 0;

    clock_init();
    uart1_init();

    for (;;) {
        sprintf(buf, "n=%u\r\n", n++);
        uart1_puts(buf);
        __delay_ms(1000);
    }
}
