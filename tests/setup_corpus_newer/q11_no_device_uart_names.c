#include <xc.h>

#define _XTAL_FREQ 16000000

// 9600 baud, 8N1, on UART1
void init_uart(void)
{
    U1CON0 = 0x30;
    U1BRGL = 103;
    U1BRGH = 0;
    U1CON1 = 0x80;
}
