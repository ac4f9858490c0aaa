/* PIC18F25K83, 16 MHz crystal. XC8: int is 16 bits. */
#include <xc.h>

#define _XTAL_FREQ 16000000
#define BAUD 9600

void uart_init(void)
{
    U1CON0 = 0x30;
    U1BRG = _XTAL_FREQ / (16 * BAUD) - 1;
    U1CON1 = 0x80;
}
