// dsPIC33CK256MP508, 200 MHz; fractional baud rate generator
#define FCY 100000000UL
#include <xc.h>
#include <libpic30.h>

#define BAUD 115200UL

void uart_init(void)
{
    U1MODEHbits.BCLKMOD = 1;          // fractional: rate = Fp / U1BRG
    U1BRG = FCY / BAUD;
    U1BRGH = 0;
    U1MODEbits.UARTEN = 1;
    U1MODEbits.UTXEN = 1;
    U1MODEbits.URXEN = 1;
}
