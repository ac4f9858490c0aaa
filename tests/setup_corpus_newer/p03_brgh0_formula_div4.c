// PIC24FJ256GA106, Fosc 32 MHz
#define FCY 16000000UL
#include <xc.h>
#include <libpic30.h>

#define BAUD 57600
#define BRG_DIV4 (FCY / (4 * BAUD) - 1)

void uart2_init(void)
{
    U2MODE = 0;
    U2BRG = BRG_DIV4;
    U2MODEbits.UARTEN = 1;
    U2STAbits.UTXEN = 1;
}
