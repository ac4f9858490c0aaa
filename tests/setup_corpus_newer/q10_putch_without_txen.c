// PIC18F26Q71 at 8 MHz (HFINTOSC), printf over UART1 at 9600
#include <xc.h>

#define _XTAL_FREQ 8000000

void uart1_init(void)
{
    U1CON0bits.BRGS = 0;
    U1CON0bits.RXEN = 1;
    U1BRG = 51;               // 9600 baud
    U1CON1bits.ON = 1;
}

void putch(char c)
{
    while (!U1FIFObits.TXBE) {
        continue;
    }
    U1TXB = c;
}
