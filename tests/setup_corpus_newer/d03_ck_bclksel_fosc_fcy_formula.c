// dsPIC33CK256MP508 @ 200 MHz. UART clock switched to Fosc "for accuracy",
// the divisor still worked out from FCY.
#define FCY 100000000UL
#include <xc.h>
#include <libpic30.h>

#define BAUD 115200UL

void uart_init(void)
{
    U1MODEHbits.BCLKSEL = 0b10;       // Fosc
    U1MODEbits.BRGH = 0;
    U1BRG = (FCY / (16UL * BAUD)) - 1;
    U1MODEbits.UARTEN = 1;
    U1MODEbits.UTXEN = 1;
    U1MODEbits.URXEN = 1;
}
