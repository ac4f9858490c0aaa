#include <xc.h>
#include <stdint.h>
#include "uart1.h"

void pins_init(void)
{
    ANSELC = 0x00;
    TRISC = 0xFF;
    U1RXPPS = 0x17;             /* RC7 -> U1RX */
    RC6PPS = 0x20;              /* U1TX -> RC6 */
}

void uart1_init(void)
{
    U1CON1 = 0x00;
    U1BRGH = 0x01;
    U1BRGL = 0xA0;              /* 9600 baud, BRGS = 0 */
    U1CON0 = 0x30;              /* BRGS = 0, TXEN = 1, RXEN = 1, MODE = 0000 */
    U1CON2 = 0x00;
    U1CON1 = 0x80;              /* ON = 1 */
}

void uart1_put(uint8_t b)
{
    while (U1FIFObits.TXBF)
        ;
    U1TXB = b;
}

uint8_t uart1_get(void)
{
    while (U1FIFObits.RXBE)
        ;
    return U1RXB;
}
