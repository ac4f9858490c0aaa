/**
  UART1 Generated Driver File

  Company:
    Microchip Technology Inc.

  File Name:
    uart1.c

  Summary:
    This is the generated driver implementation file for the UART1 driver using PIC10 / PIC12 / PIC16 / PIC18 MCUs
*/

#include "mcc.h"

void UART1_Initialize(void)
{
    // Set the UART1 module to the options selected in the user interface.

    // P1L 0; 
    U1P1L = 0x00;
    // P2L 0; 
    U1P2L = 0x00;
    // P3L 0; 
    U1P3L = 0x00;

    // BRGS high speed; MODE Asynchronous 8-bit mode; RXEN enabled; TXEN enabled; ABDEN disabled; 
    U1CON0 = 0xB0;

    // RXBIMD Set RXBKIF on rising RX input; BRKOVR disabled; WUE disabled; SENDB disabled; ON enabled; 
    U1CON1 = 0x80;

    // TXPOL not inverted; FLO off; RXPOL not inverted; RUNOVF RX input shifter stops all activity; STP Transmit 1Stop bit, receiver verifies first Stop bit; 
    U1CON2 = 0x00;

    // BRGL 138; 
    U1BRGL = 0x8A;

    // BRGH 0; 
    U1BRGH = 0x00;

    // STPMD in middle of first Stop bit; TXWRE No error; 
    U1FIFO = 0x00;

    // ABDIF Auto-baud not enabled or not complete; WUIF WUE not enabled by software; ABDIE disabled; 
    U1UIR = 0x00;

    // ABDOVF Not overflowed; TXCIF 0; RXBKIF No Break detected; RXFOIF not overflowed; CERIF No Checksum error; 
    U1ERRIR = 0x00;

    // TXCIE disabled; FERIE disabled; TXMTIE disabled; ABDOVE disabled; CERIE disabled; RXFOIE disabled; PERIE disabled; RXBKIE disabled; 
    U1ERRIE = 0x00;
}

bool UART1_is_rx_ready(void)
{
    return (bool)(PIR4bits.U1RXIF);
}

uint8_t UART1_Read(void)
{
    while(!PIR4bits.U1RXIF)
    {
    }

    return U1RXB;
}

void UART1_Write(uint8_t txData)
{
    while(0 == PIR4bits.U1TXIF)
    {
    }

    U1TXB = txData;    // Write the data byte to the USART.
}
/**
 End of File
*/
