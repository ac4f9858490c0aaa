/* Serial terminal: shows each received byte on PORTD and echoes it. */
#include "system.h"

void main(void)
{
    system_init();
    uart_init();

    while (1) {
        uint8_t b = uart_read();
        PORTD = b;
        uart_write(b);
    }
}
