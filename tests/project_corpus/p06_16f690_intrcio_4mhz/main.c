/* Lesson-style demo: echo characters, show the low nibble on the LEDs (RC0..RC3). */
#include "config.h"
#include "system.h"
#include "usart.h"

void main(void)
{
    ANSEL = 0x00;
    TRISC = 0xF0;
    PORTC = 0x00;

    usart_init();

    while (1) {
        uint8_t b = usart_rx();
        PORTC = b & 0x0F;
        usart_tx(b);
    }
}
