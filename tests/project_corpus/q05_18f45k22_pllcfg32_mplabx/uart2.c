#include <xc.h>
#include "uart2.h"

void uart2_open(void)
{
    unsigned int brg = (unsigned int)(_XTAL_FREQ / (4UL * UART2_BAUD) - 1UL);

    ANSELD &= 0x3F;             /* RD6 (TX2) and RD7 (RX2) digital */
    TRISD |= 0xC0;

    BAUDCON2 = 0x08;            /* BRG16 = 1 */
    TXSTA2 = 0x24;              /* TXEN = 1, SYNC = 0, BRGH = 1 */
    SPBRGH2 = (unsigned char)(brg >> 8);
    SPBRG2 = (unsigned char)brg;
    RCSTA2 = 0x90;              /* SPEN = 1, CREN = 1 */
}

void uart2_putc(char c)
{
    while (!TXSTA2bits.TRMT) {}
    TXREG2 = c;
}

char uart2_getc(void)
{
    while (!PIR3bits.RC2IF) {}
    return RCREG2;
}
