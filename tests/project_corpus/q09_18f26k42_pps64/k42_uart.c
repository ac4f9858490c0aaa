#include <xc.h>
#include "k42_uart.h"

void u1_setup(void)
{
    RC6PPS = 0x13;              /* RC6 <- UART1 TX */
    U1RXPPS = 0x17;             /* UART1 RX <- RC7 */
    TRISCbits.TRISC6 = 0;
    ANSELCbits.ANSELC7 = 0;

    U1CON0bits.MODE = 0b0000;   /* 8-bit async */
    U1CON0bits.BRGS = 1;
    U1BRGH = (unsigned char)(U1_BRG >> 8);
    U1BRGL = (unsigned char)(U1_BRG & 0xFF);
    U1CON0bits.TXEN = 1;
    U1CON0bits.RXEN = 1;
    U1CON1bits.ON = 1;
}

void u1_send(unsigned char c)
{
    while (!U1ERRIRbits.TXMTIF) {}
    U1TXB = c;
}
