#include <xc.h>
#include <stdint.h>
#define _XTAL_FREQ 20000000UL

void uart_init(void)
{
    uint16_t brg = (uint16_t)(_XTAL_FREQ / (4UL * 9600UL) - 1);   // 9600 baud

    BAUDCONbits.BRG16 = 1;
    TXSTAbits.BRGH = 1;
    SPBRG = brg & 0xFF;
    RCSTAbits.SPEN = 1;
    TXSTAbits.TXEN = 1;
}
