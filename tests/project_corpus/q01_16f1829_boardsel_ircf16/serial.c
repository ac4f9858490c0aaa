#include "board.h"
#include <xc.h>
#include "serial.h"

#define BRG_VALUE ((_XTAL_FREQ / (4UL * LINK_BAUD)) - 1UL)

void serial_init(void)
{
    ANSELBbits.ANSB5 = 0;     /* RX on RB5: digital */
    TRISBbits.TRISB5 = 1;     /* RX input */
    TRISBbits.TRISB7 = 0;     /* TX output */

    BAUDCONbits.BRG16 = 1;
    TXSTAbits.BRGH = 1;
    TXSTAbits.SYNC = 0;
    SPBRGH = (unsigned char)(BRG_VALUE >> 8);
    SPBRGL = (unsigned char)(BRG_VALUE & 0xFF);

    RCSTAbits.SPEN = 1;
    TXSTAbits.TXEN = 1;
    RCSTAbits.CREN = 1;
}

char serial_ready(void) { return PIR1bits.RCIF; }
char serial_get(void)   { return RCREG; }
void serial_put(char c) { while (!TXSTAbits.TRMT) {} TXREG = c; }
