/*
 * uart1.c - UART1 at 9600 baud, normal speed BRG
 * TX on RC6, RX on RC7 (same pins as on the Q43 prototype)
 */
#include "system.h"
#include "uart1.h"

void UART1_Init(void)
{
    ANSELCbits.ANSELC6 = 0;
    ANSELCbits.ANSELC7 = 0;
    TRISCbits.TRISC6 = 0;
    TRISCbits.TRISC7 = 1;

    U1RXPPS = 0x17;             // RC7 -> UART1 RX
    RC6PPS  = 0x20;             // RC6 -> UART1 TX (value from the Q43 board)

    U1CON0 = 0x30;              // BRGS = 0, TXEN, RXEN, MODE = async 8-bit
    U1BRGH = 0x01;              // 416
    U1BRGL = 0xA0;
    U1CON2 = 0x00;
    U1CON1 = 0x80;              // ON
}

bool UART1_RxReady(void)
{
    return PIR3bits.U1RXIF;
}

uint8_t UART1_Rx(void)
{
    while (!PIR3bits.U1RXIF)
        ;
    return U1RXB;
}

void UART1_Tx(uint8_t b)
{
    while (!PIR3bits.U1TXIF)
        ;
    U1TXB = b;
}
