/*
 * serial.c - EUSART debug port, 115200 8N1, RC6 = TX, RC7 = RX
 */
#include "hardware_profile.h"

void serial_init(void)
{
    TRISCbits.TRISC6 = 0;
    TRISCbits.TRISC7 = 1;

    BAUDCONbits.BRG16 = 1;
    TXSTAbits.BRGH = 1;
    SPBRGH = 0;
    SPBRG = 103;                    // 115200

    TXSTAbits.SYNC = 0;
    RCSTAbits.SPEN = 1;
    TXSTAbits.TXEN = 1;
    RCSTAbits.CREN = 1;
}

void serial_putc(char c)
{
    while (!TXSTAbits.TRMT)
        ;
    TXREG = c;
}

void serial_puts(const char *s)
{
    while (*s)
        serial_putc(*s++);
}
