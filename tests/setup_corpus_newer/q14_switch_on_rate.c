// PIC18F46Q43, 64 MHz: UART1 rate chosen by a parameter
#include <xc.h>
#include <stdint.h>

#define _XTAL_FREQ 64000000

void UART1_SetBaud(uint32_t baud)
{
    switch (baud) {
    case 9600:
        U1CON0bits.BRGS = 0;
        U1BRG = 416;
        break;
    case 115200:
        U1CON0bits.BRGS = 1;
        U1BRG = 138;
        break;
    default:
        U1CON0bits.BRGS = 0;
        U1BRG = 103;
        break;
    }
}

void UART1_Init(void)
{
    U1CON0 = 0x30;              // TXEN, RXEN, async 8-bit
    UART1_SetBaud(115200);
    U1CON1 = 0x80;              // ON
}
