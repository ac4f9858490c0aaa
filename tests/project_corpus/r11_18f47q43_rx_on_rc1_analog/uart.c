#include <xc.h>
#include "uart.h"

void uart_setup(void)
{
    TRISC = 0xBF;               /* RC6 output, the rest inputs */
    ANSELC = 0x7F;
    U1RXPPS = 0x11;             /* RC1 -> U1RX */
    RC6PPS = 0x20;              /* U1TX -> RC6 */

    U1CON0 = 0x80;              /* BRGS = 1, MODE = 0000 */
    U1BRGH = 0x01;
    U1BRGL = 0x15;              /* 57600 baud */
    U1CON0bits.TXEN = 1;
    U1CON0bits.RXEN = 1;
    U1CON1bits.ON = 1;
}

void uart_send(uint8_t b)
{
    while (U1FIFObits.TXBF)
        ;
    U1TXB = b;
}

uint8_t uart_receive(void)
{
    while (U1FIFObits.RXBE)
        ;
    return U1RXB;
}
