#include <xc.h>
#include "serial.h"

void ports_init(void)
{
    ANSELA = 0x00;
    ANSELC = 0x00;
    TRISA = 0xFF;
    TRISB = 0x20;               /* RB5 input, RB4/RB6/RB7 outputs */
    TRISC = 0x00;
}

void serial_open(void)
{
    BAUDCON = 0x00;             /* BRG16 = 0 */
    SPBRGH = 0x00;
    SPBRGL = 64;                /* 19200 baud */
    TXSTA = 0x24;               /* TXEN = 1, SYNC = 0, BRGH = 1 */
    RCSTA = 0x90;               /* SPEN = 1, CREN = 1 */
}

void serial_write(unsigned char b)
{
    while (!TXSTAbits.TRMT)
        ;
    TXREG = b;
}

unsigned char serial_read(void)
{
    if (RCSTAbits.OERR) {
        RCSTAbits.CREN = 0;
        RCSTAbits.CREN = 1;
    }
    while (!PIR1bits.RCIF)
        ;
    return RCREG;
}
