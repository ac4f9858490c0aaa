// dsPIC33CK256MP508, Fcy 100 MHz: 300 baud for the old meter, fractional generator
#define FCY 100000000UL
#include <xc.h>
#include <libpic30.h>

#define BAUD 300

void meter_uart_init(void)
{
    U1MODEHbits.BCLKMOD = 1;
    U1BRG = FCY / BAUD;
    U1MODEbits.UARTEN = 1;
    U1MODEbits.UTXEN = 1;
    U1MODEbits.URXEN = 1;
}
