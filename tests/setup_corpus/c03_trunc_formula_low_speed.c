#include <xc.h>
#include <stdint.h>

#define _XTAL_FREQ 20000000UL
#define BAUD_RATE  9600UL

/* low speed divider, integer formula straight from the datasheet */
void UART_Init(void)
{
    TXSTA = 0x20;                                   // TXEN, async, BRGH = 0
    RCSTA = 0x90;                                   // SPEN, CREN
    SPBRG = (uint8_t)(_XTAL_FREQ / (64UL * BAUD_RATE) - 1);
}
