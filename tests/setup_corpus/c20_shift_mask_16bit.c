#include <xc.h>

#define FOSC     32000000UL
#define BAUD     9600UL
#define BRG_VAL  ((FOSC / (4UL * BAUD)) - 1)

void eusart_init(void)
{
    BAUDCON |= 0x08;                                  // BRG16
    TXSTA    = 0x24;                                  // TXEN | BRGH
    RCSTA    = 0x90;                                  // SPEN | CREN
    SPBRGH   = (unsigned char)((BRG_VAL >> 8) & 0xFF);
    SPBRGL   = (unsigned char)(BRG_VAL & 0xFF);
}
