// PIC24FJ64GA002, Fosc 32 MHz
#define FCY 16000000
#include <xc.h>
#include <libpic30.h>

#define BAUD 9600

void uart_init(void)
{
    U1MODEbits.BRGH = 0;
    U1BRG = FCY / (16 * BAUD) - 1;     /* XC16: int is 16 bits */
    U1MODEbits.UARTEN = 1;
    U1STAbits.UTXEN = 1;
}
