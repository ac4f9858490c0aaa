// dsPIC33FJ64GP802, 80 MHz, 40 MIPS.
// BAUD is above 32767, so it is a long already and 16 * BAUD does not overflow.
#define FCY 40000000
#include <xc.h>
#include <libpic30.h>

#define BAUD 115200

void uart_init(void)
{
    U1MODEbits.BRGH = 0;
    U1BRG = FCY / (16 * BAUD) - 1;
    U1MODEbits.UARTEN = 1;
    U1STAbits.UTXEN = 1;
}
