#include "config_bits.h"
#include <xc.h>
#include "serial.h"

void serial_begin(unsigned long baud)
{
    unsigned int n = (unsigned int)(_XTAL_FREQ / (4UL * baud) - 1UL);

    TRISCbits.TRISC6 = 0;
    TRISCbits.TRISC7 = 1;

    BAUDCONbits.BRG16 = 1;
    TXSTAbits.BRGH = 1;
    TXSTAbits.SYNC = 0;
    SPBRGH = (unsigned char)(n >> 8);
    SPBRG = (unsigned char)(n & 0xFF);

    RCSTAbits.SPEN = 1;
    TXSTAbits.TXEN = 1;
    RCSTAbits.CREN = 1;
}

void serial_write(unsigned char b)
{
    while (!TXSTAbits.TRMT) {}
    TXREG = b;
}
