/* PIC18F47Q10, 16 MHz, EUSART2 for the Bluetooth module, 19200 baud */
#include <xc.h>

#define _XTAL_FREQ 16000000

void bt_uart_init(void)
{
    BAUD2CONbits.BRG16 = 1;
    TX2STAbits.BRGH = 0;
    TX2STAbits.SYNC = 0;
    SP2BRG = ((_XTAL_FREQ / 19200) / 16) - 1;
    RC2STAbits.SPEN = 1;
    RC2STAbits.CREN = 1;
    TX2STAbits.TXEN = 1;
}
