/* PIC18F46K22 - EUSART2 drives the RS-485 transceiver, 9600 8N1 */
#include <xc.h>

void rs485_init(void)
{
    ANSELDbits.ANSD6 = 0;
    ANSELDbits.ANSD7 = 0;
    TRISDbits.TRISD6 = 1;
    TRISDbits.TRISD7 = 1;

    BAUDCON2bits.BRG16 = 1;
    TXSTA2bits.BRGH    = 0;
    SPBRGH2 = 0;
    SPBRG2  = 103;              /* 16 MHz / (16 * 104) = 9615 */
    TXSTA2bits.TXEN    = 1;
    RCSTA2bits.CREN    = 1;
    RCSTA2bits.SPEN    = 1;
}
