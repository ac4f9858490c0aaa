/* PIC18F2520, 10 MHz crystal with PLL */
#include <p18f2520.h>

#define FOSC 40000000UL

void uart_init(void)
{
    /* 9600 baud: n = 40e6 / (16 * 9600) - 1 = 259 = 0x103 */
    SPBRGH = 0x01;
    SPBRG  = 0x03;
    TXSTA  = 0x20;      /* async, BRGH = 0 */
    RCSTA  = 0x90;
}
