#include <xc.h>
#define _XTAL_FREQ 4000000

static void uart_init(void)
{
    SPBRG = 25;                 // 9600 baud
    TXSTA = 0x24;               // TXEN, BRGH
    RCSTA = 0x90;               // SPEN, CREN
}

void main(void)
{
    uart_init();
    TXSTA &= ~0x04;             // BRGH off, "less sensitive to noise"
    TXSTA |= 0x20;              // make sure TX stays enabled
    for (;;) {
    }
}
