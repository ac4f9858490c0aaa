// dsPIC33CK256MP508, Fosc 200 MHz, Fcy = Fp = 100 MHz
#define FCY 100000000UL
#include <xc.h>
#include <libpic30.h>

#define BAUD 115200UL

void uart1_init(void)
{
    U1MODEbits.MOD = 0b0000;          // asynchronous 8-bit
    U1MODEHbits.BCLKSEL = 0b00;       // Fosc/2
    U1MODEbits.BRGH = 0;
    U1BRG = (FCY / (16 * BAUD)) - 1;
    U1MODEbits.UARTEN = 1;
    U1MODEbits.UTXEN = 1;
    U1MODEbits.URXEN = 1;
}
