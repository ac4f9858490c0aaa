#include <xc.h>
#define _XTAL_FREQ 16000000

void serial_init(void)
{
    TXSTAbits.BRGH = 1;
    SPBRG = 103;                // 9600 @ 16 MHz
    TXSTAbits.TXEN = 1;
    RCSTAbits.CREN = 1;
    // TODO: interrupts
}
