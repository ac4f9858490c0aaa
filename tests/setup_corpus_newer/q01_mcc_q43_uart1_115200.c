/**
  UART1 Generated Driver File
  File Name: uart1.c
  Device: PIC18F47Q43
*/
#include <xc.h>
#include "uart1.h"

#define _XTAL_FREQ 64000000

void UART1_Initialize(void)
{
    // Disable interrupts before changing states
    PIE4bits.U1RXIE = 0;
    PIE4bits.U1TXIE = 0;

    // Set the UART1 module to the options selected in the user interface.

    // P1L 0; 
    U1P1L = 0x00;
    // P2L 0; 
    U1P2L = 0x00;
    // P3L 0; 
    U1P3L = 0x00;
    // BRGS high speed; MODE Asynchronous 8-bit mode; RXEN enabled; TXEN enabled; ABDEN disabled; 
    U1CON0 = 0xB0;
    // RXBIMD Set RXIF on rising RX input; BRKOVR disabled; WUE disabled; SENDB disabled; ON enabled; 
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
    // TXCIE disabled; FERIE disabled; TXMTIE disabled; ABDOVE disabled; CERIE disabled; RXFOIE disabled; PERIE disabled; RXBKIE disabled; 
    U1ERRIE = 0x00;
}
