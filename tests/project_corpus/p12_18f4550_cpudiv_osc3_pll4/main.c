/*
 * main.c - USB data logger, debug output on the EUSART
 */
#include "hardware_profile.h"

void serial_init(void);
void serial_puts(const char *s);

void main(void)
{
    ADCON1 = 0x0F;
    LED_RUN_TRIS = 0;

    serial_init();
    serial_puts("logger boot\r\n");

    while (1) {
        LED_RUN ^= 1;
        __delay_ms(250);
        serial_puts(".");
    }
}
