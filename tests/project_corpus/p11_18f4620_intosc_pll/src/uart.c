/* uart.c - EUSART on RC6/TX and RC7/RX */
#include "../include/system.h"
#include "../include/uart.h"

void uart_init(void)
{
    TRISCbits.TRISC7 = 1;           /* RX input  */
    TRISCbits.TRISC6 = 0;           /* TX output */

    BAUDCONbits.BRG16 = 1;
    TXSTAbits.BRGH = 1;
    SPBRGH = (uint8_t)(UART_SPBRG >> 8);
    SPBRG = (uint8_t)UART_SPBRG;

    TXSTAbits.SYNC = 0;
    RCSTAbits.SPEN = 1;
    RCSTAbits.CREN = 1;
    TXSTAbits.TXEN = 1;
}

void uart_send(uint8_t b)
{
    while (!TXSTAbits.TRMT)
        ;
    TXREG = b;
}

uint8_t uart_recv(void)
{
    while (!PIR1bits.RCIF)
        ;
    if (RCSTAbits.OERR) {
        RCSTAbits.CREN = 0;
        RCSTAbits.CREN = 1;
    }
    return RCREG;
}
