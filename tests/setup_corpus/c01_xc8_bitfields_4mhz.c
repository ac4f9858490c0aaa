// PIC16F877A, XC8 -- UART for the debug console
#include <xc.h>
#define _XTAL_FREQ 4000000

void uart_init(void)
{
    TRISCbits.TRISC6 = 0;       // TX out
    TRISCbits.TRISC7 = 1;       // RX in

    SPBRG = 25;                 // 9600 baud with BRGH=1
    TXSTAbits.SYNC = 0;
    TXSTAbits.BRGH = 1;
    TXSTAbits.TXEN = 1;
    RCSTAbits.SPEN = 1;
    RCSTAbits.CREN = 1;
}
