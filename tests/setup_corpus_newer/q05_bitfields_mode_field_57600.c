#include <xc.h>
#include <stdint.h>

#define _XTAL_FREQ 64000000UL
#define BAUD       57600UL

void uart1_init(void)
{
    U1CON1bits.ON = 0;
    U1CON0bits.MODE = 0b0000;      /* asynchronous 8-bit */
    U1CON0bits.BRGS = 1;           /* high speed: Fosc/4 */
    U1BRG = (_XTAL_FREQ / (4UL * BAUD)) - 1;
    U1CON0bits.TXEN = 1;
    U1CON0bits.RXEN = 1;
    U1CON1bits.ON = 1;
}
