/* main.c - relay board: '0'..'5' toggles RC0..RC5, anything else is echoed */
#include "../include/system.h"

void main(void)
{
    ports_init();
    uart_init();

    for (;;) {
        char c = uart_getch();
        if (c >= '0' && c <= '5')
            PORTC ^= (uint8_t)(1u << (c - '0'));
        uart_putch(c);
    }
}
