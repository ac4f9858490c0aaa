#include <xc.h>
#define _XTAL_FREQ 8000000

void UART_Init(long baud)
{
    BRGH = 1;                                   // high speed
    SPBRG = (_XTAL_FREQ / (16 * baud)) - 1;
    SYNC = 0;                                   // asynchronous
    SPEN = 1;                                   // enable serial port pins
    TXEN = 1;
    CREN = 1;
}

void main(void)
{
    OSCCON = 0x72;                              // 8 MHz internal
    UART_Init(9600);
    while (1) {
        /* ... */
    }
}
