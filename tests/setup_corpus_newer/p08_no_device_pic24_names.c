// FRC 8 MHz, no PLL
#define FCY 4000000UL
#include <xc.h>
#include <libpic30.h>

void uart_setup(void)
{
    U1MODEbits.UARTEN = 0;
    U1MODEbits.BRGH = 0;
    U1BRG = 25;               // 9600 baud
    U1MODEbits.UARTEN = 1;
    U1STAbits.UTXEN = 1;
}
