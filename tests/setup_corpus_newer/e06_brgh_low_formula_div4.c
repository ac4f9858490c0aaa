// PIC16F18877, 32 MHz
#include <xc.h>

#define _XTAL_FREQ 32000000

void EUSART1_Init(void)
{
    BAUD1CON = 0x08;                    // BRG16 = 1
    TX1STA = 0x20;                      // TXEN, async
    RC1STA = 0x90;                      // SPEN, CREN
    SP1BRG = (_XTAL_FREQ / (4UL * 57600)) - 1;
}
