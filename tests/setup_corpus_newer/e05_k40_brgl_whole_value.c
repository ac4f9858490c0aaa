// PIC18F26K40 @ 64 MHz, 9600 baud
#include <xc.h>

void uart_init(void)
{
    BAUD1CONbits.BRG16 = 1;
    TX1STAbits.BRGH = 1;
    SP1BRGL = 1666;
    RC1STAbits.SPEN = 1;
    RC1STAbits.CREN = 1;
    TX1STAbits.TXEN = 1;
}
