/*
 * serial.c  - AUSART, 9600 8N1
 * PIC16F88: TX = RB5 (pin 11), RX = RB2 (pin 8)
 */
#include "hardware.h"
#include "serial.h"

void serial_init(void)
{
    TRISBbits.TRISB2 = 1;       // data sheet: TRISB<5,2> set for the AUSART
    TRISBbits.TRISB5 = 1;

    SPBRG = 51;                 // 9600 baud, BRGH = 1
    TXSTA = 0b00100100;         // TXEN, async, BRGH
    RCSTA = 0b10010000;         // SPEN, CREN
}

void serial_send(unsigned char c)
{
    while (!TXIF)
        ;
    TXREG = c;
}

void serial_print(const char *s)
{
    while (*s)
        serial_send(*s++);
}

unsigned char serial_ready(void)
{
    return RCIF;
}

unsigned char serial_get(void)
{
    if (OERR) {
        CREN = 0;
        CREN = 1;
    }
    return RCREG;
}
