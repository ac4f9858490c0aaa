/* dsPIC33FJ128GP802: 80 MHz oscillator */
#define FCY 80000000UL
#include <xc.h>
#include <libpic30.h>

#define BAUDRATE 9600
#define BRGVAL ((FCY/BAUDRATE)/16)-1

void InitUART(void)
{
    U1MODEbits.UARTEN = 0;
    U1MODEbits.BRGH = 0;
    U1BRG = BRGVAL;
    U1MODEbits.UARTEN = 1;
    U1STAbits.UTXEN = 1;
}
