/* PIC18F26K40 - DMX512 transmitter on EUSART2 */
#include <xc.h>
#define _XTAL_FREQ 64000000

/* DMX: 250 kbaud, 8 data bits, 2 stop bits (9th bit held at 1) */
void dmx_init(void)
{
    BAUD2CONbits.BRG16 = 1;
    TX2STAbits.BRGH    = 1;
    SP2BRGH = 0;
    SP2BRGL = 63;               /* 64 MHz / (4 * 64) = 250000 */
    TX2STAbits.TX9     = 1;
    TX2STAbits.TX9D    = 1;
    RC2STAbits.SPEN    = 1;
    TX2STAbits.TXEN    = 1;
}
