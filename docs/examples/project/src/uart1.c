#include <xc.h>
#include "system.h"
#include "uart1.h"

void UART1_Initialize(void)
{
    // BRGS high speed; MODE Asynchronous 8-bit mode; RXEN enabled; TXEN disabled; 
    U1CON0 = 0x90;
    U1BRG = (unsigned int)(_XTAL_FREQ / (4.0 * BAUD) - 1 + 0.5);
    // ON enabled; 
    U1CON1 = 0x80;
}

void UART1_Write(unsigned char c)
{
    U1TXB = c;
}
