// dsPIC33EP512MU810, Fosc 120 MHz. DMX512: 250 kbaud, 8N2.
#define FCY 60000000UL
#include <xc.h>
#include <libpic30.h>

#define DMX_BAUD 250000UL

void dmx_uart_init(void)
{
    U2MODEbits.PDSEL = 0b00;      // 8 data bits, no parity
    U2MODEbits.STSEL = 1;         // 2 stop bits
    U2MODEbits.BRGH = 1;
    U2BRG = (FCY / (4 * DMX_BAUD)) - 1;
    U2MODEbits.UARTEN = 1;
    U2STAbits.UTXEN = 1;
}
