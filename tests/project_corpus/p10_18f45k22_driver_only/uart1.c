/*
 * uart1.c - EUSART1 driver, polled.
 */
#include <xc.h>
#include "system.h"
#include "uart1.h"

void uart1_init(void)
{
    TRISCbits.TRISC6 = 0;               /* TX1 */
    TRISCbits.TRISC7 = 1;               /* RX1 */

    BAUDCON1bits.BRG16 = 1;
    TXSTA1bits.BRGH = 1;
    SPBRGH1 = (uint8_t)(UART1_BRG >> 8);
    SPBRG1  = (uint8_t)(UART1_BRG & 0xFF);

    TXSTA1bits.SYNC = 0;
    RCSTA1bits.SPEN = 1;
    TXSTA1bits.TXEN = 1;
    RCSTA1bits.CREN = 1;
}

bool uart1_rx_ready(void)
{
    return PIR1bits.RC1IF;
}

uint8_t uart1_read(void)
{
    while (!PIR1bits.RC1IF)
        ;
    if (RCSTA1bits.OERR) {
        RCSTA1bits.CREN = 0;
        RCSTA1bits.CREN = 1;
    }
    return RCREG1;
}

void uart1_write(uint8_t b)
{
    while (!TXSTA1bits.TRMT)
        ;
    TXREG1 = b;
}
