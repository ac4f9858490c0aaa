/*
 * main.c - PIC32MX170F256B serial echo
 */
#include "config.h"
#include "system.h"

int main(void)
{
    uart1_init();
    uart1_puts("PIC32MX170 at 40 MHz\r\n");

    while (1) {
        int c = uart1_getc();
        if (c >= 0)
            uart1_putc((char)c);
    }
    return 0;
}
