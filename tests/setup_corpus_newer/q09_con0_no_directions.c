/* PIC18F26K83, 64 MHz, 115200 to the PC */
#include <xc.h>

void uart_init(void)
{
    U1CON0 = 0x80;        // BRGS=1, async 8-bit
    U1BRG = 138;
    U1CON1 = 0x80;        // ON
}
