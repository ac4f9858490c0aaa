// dsPIC33EP256MC502, Fosc 140 MHz, Fcy 70 MHz
#define FCY 70000000UL
#include <xc.h>
#include <libpic30.h>

#define BAUD 115200

void uart_init(void)
{
    U1MODE = 0x0008;                  // BRGH = 1, 8N1
    U1BRG = FCY / (4 * BAUD) - 1;
    U1STAbits.UTXEN = 1;
}
