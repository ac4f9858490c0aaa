// PIC18F27Q43 @ 64 MHz, debug port
#include <xc.h>

void debug_uart_init(void)
{
    // 38400 baud
    U1CON0 = 0x30;        // TXEN | RXEN, BRGS = 0, async 8-bit
    U1BRGH = 0;
    U1BRGL = 103;
    U1CON2 = 0x00;
}
