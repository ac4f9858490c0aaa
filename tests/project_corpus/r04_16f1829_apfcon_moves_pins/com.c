#include <xc.h>
#include "hw.h"

void com_init(void)
{
    APFCON0bits.RXDTSEL = 1;    /* RX/DT to the alternate pin */
    APFCON0bits.TXCKSEL = 1;    /* TX/CK to the alternate pin */
    TRISCbits.TRISC5 = 1;
    TRISCbits.TRISC4 = 0;

    BAUDCONbits.BRG16 = 0;
    TXSTAbits.BRGH = 1;
    TXSTAbits.SYNC = 0;
    SPBRGL = 25;                /* 9600 baud */
    SPBRGH = 0;

    RCSTAbits.SPEN = 1;
    RCSTAbits.CREN = 1;
    TXSTAbits.TXEN = 1;
}

void com_send(char c)
{
    while (!TXSTAbits.TRMT)
        ;
    TXREG = c;
}

char com_recv(void)
{
    while (!PIR1bits.RCIF)
        ;
    return RCREG;
}
