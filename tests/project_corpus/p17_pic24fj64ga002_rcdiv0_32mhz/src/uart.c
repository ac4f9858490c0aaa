/*
 * uart.c - UART1, U1TX on RP8 (RB8), U1RX on RP9 (RB9)
 */
#include "../include/system.h"
#include "../include/uart.h"

void uart_init(void)
{
    __builtin_write_OSCCONL(OSCCON & ~0x40);    // unlock PPS
    RPINR18bits.U1RXR = 9;                      // U1RX = RP9
    RPOR4bits.RP8R = 3;                         // RP8 = U1TX
    __builtin_write_OSCCONL(OSCCON | 0x40);     // lock PPS

    U1MODEbits.UARTEN = 0;
    U1MODEbits.BRGH = 1;
    U1MODEbits.PDSEL = 0;                       // 8 bit, no parity
    U1MODEbits.STSEL = 0;                       // 1 stop bit
    U1BRG = BRGVAL;
    U1MODEbits.UARTEN = 1;
    U1STAbits.UTXEN = 1;
}

void uart_write(uint8_t b)
{
    while (U1STAbits.UTXBF)
        ;
    U1TXREG = b;
}

uint8_t uart_read(void)
{
    while (!U1STAbits.URXDA)
        ;
    return (uint8_t)U1RXREG;
}
