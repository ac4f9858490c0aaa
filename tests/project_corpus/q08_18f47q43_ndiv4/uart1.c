#include <xc.h>
#include <stdint.h>
#include "system.h"

void uart1_init(unsigned long baud)
{
    uint16_t brg = (uint16_t)(_XTAL_FREQ / (16UL * baud) - 1UL);

    ANSELCbits.ANSELC6 = 0;
    ANSELCbits.ANSELC7 = 0;
    TRISCbits.TRISC6 = 0;           /* TX */
    TRISCbits.TRISC7 = 1;           /* RX */
    RC6PPS = 0x20;                  /* RC6 <- UART1 TX */
    U1RXPPS = 0x17;                 /* UART1 RX <- RC7 */

    U1CON0 = 0x30;                  /* BRGS 0, TXEN 1, RXEN 1, MODE 8-bit async */
    U1BRGL = (uint8_t)brg;
    U1BRGH = (uint8_t)(brg >> 8);
    U1CON1 = 0x80;                  /* ON */
}

void uart1_put(unsigned char c)
{
    while (U1FIFObits.TXBF) {}
    U1TXB = c;
}

unsigned char uart1_get(void)
{
    while (U1FIFObits.RXBE) {}
    return U1RXB;
}
