#include <xc.h>

/* slow synchronous clock for the old display controller: 4000 bps */
void sync_link_init(void)
{
    BAUDCONbits.BRG16 = 1;
    TXSTAbits.SYNC = 1;
    TXSTAbits.CSRC = 1;         // master, we drive CK
    SPBRGH = 0x01;
    SPBRG  = 0xF3;              // 8 MHz / 4 / 500
    RCSTAbits.SPEN = 1;
    TXSTAbits.TXEN = 1;
}
