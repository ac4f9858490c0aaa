// FRC 8 MHz
#define FCY 4000000UL
#include <xc.h>
#include <libpic30.h>

void uart_init(void)
{
    U1MODEH = 0x0000;         // BCLKSEL = Fosc/2, 1 stop bit
    U1MODEbits.BRGH = 0;
    U1BRG = 25;               // 9600 baud
    U1MODEbits.UARTEN = 1;
    U1MODEbits.UTXEN = 1;
    U1MODEbits.URXEN = 1;
}
