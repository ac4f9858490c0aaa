/* PIC18F25K20 @ 64 MHz (16 MHz HS + 4x PLL) */
#include <xc.h>
#include <stdint.h>

#define _XTAL_FREQ 64000000UL
#define BAUD       115200UL

/* 16-bit BRG, BRGH = 1  ->  baud = Fosc / (4 * (n + 1)), rounded */
#define BRG_DIV    ((((_XTAL_FREQ / 4) + (BAUD / 2)) / BAUD) - 1)

void uart_open(void)
{
    BAUDCONbits.BRG16 = 1;
    TXSTAbits.BRGH    = 1;
    TXSTAbits.SYNC    = 0;
    SPBRGH = (uint8_t)(BRG_DIV >> 8);
    SPBRG  = (uint8_t)(BRG_DIV & 0xFF);
    RCSTAbits.SPEN    = 1;
    RCSTAbits.CREN    = 1;
    TXSTAbits.TXEN    = 1;
}
