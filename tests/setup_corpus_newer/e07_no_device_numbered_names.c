#include <xc.h>
#define _XTAL_FREQ 32000000

// EUSART1, 38400 baud
void serial_init(void)
{
    BAUD1CONbits.BRG16 = 1;
    TX1STAbits.BRGH = 1;
    SP1BRGH = 0;
    SP1BRGL = 207;
    RC1STAbits.SPEN = 1;
    RC1STAbits.CREN = 1;
    TX1STAbits.TXEN = 1;
}
