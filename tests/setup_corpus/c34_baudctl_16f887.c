#include <xc.h>
#pragma config FOSC = INTRC_NOCLKOUT, WDTE = OFF, LVP = OFF
#define _XTAL_FREQ 8000000

void uart_init(void)
{
    OSCCON = 0x71;                  // 8 MHz internal
    BAUDCTLbits.BRG16 = 1;
    TXSTAbits.BRGH = 1;
    SPBRGH = 0;
    SPBRG  = 207;                   // 9600 baud, 0.16 %
    TXSTAbits.TXEN = 1;
    RCSTAbits.CREN = 1;
    RCSTAbits.SPEN = 1;
}
