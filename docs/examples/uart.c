// USART set-up written for the 20 MHz board; 1200 baud for the old terminal
#define _XTAL_FREQ 20000000
#include <xc.h>

void UART_Init(const long baud)
{
    SPBRGH = ((_XTAL_FREQ / 16 / baud) - 1) >> 8;
    SPBRG = (_XTAL_FREQ / 16 / baud) - 1;
    TXSTAbits.SYNC = 0;
    TXSTAbits.BRGH = 1;
    RCSTAbits.SPEN = 1;
    TXSTAbits.TXEN = 1;
    RCSTAbits.CREN = 1;
}

void main(void) {
    UART_Init(1200);
    while (1) {
    }
}
