// PIC16F15244 @ 16 MHz HFINTOSC, 9600 baud
#include <xc.h>

void uart_init(void)
{
    BAUD1CON = 0x08;     // BRG16
    TX1STA = 0x24;       // TXEN, BRGH
    RC1STA = 0x10;       // CREN
    SP1BRGL = 0xA0;
    SP1BRGH = 0x01;      // 416
}
