/* PIC18F8722 @ 16 MHz, EUSART1 */
#include <xc.h>
#include <stdint.h>
#define _XTAL_FREQ 16000000UL

static void uart1_init(uint32_t baud)
{
    uint16_t brg = (uint16_t)((_XTAL_FREQ / (4UL * baud)) - 1);

    BAUDCON1bits.BRG16 = 1;
    TXSTA1bits.BRGH    = 1;
    SPBRGH1 = brg >> 8;
    SPBRG1  = brg;
    RCSTA1bits.SPEN    = 1;
    RCSTA1bits.CREN    = 1;
    TXSTA1bits.TXEN    = 1;
}

void main(void)
{
    uart1_init(57600);
    while (1) { }
}
