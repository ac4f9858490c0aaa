// mcc_generated_files/uart1.c  (PIC18F46K42, system clock 64 MHz)
#include <xc.h>
#include "uart1.h"
#include "device_config.h"   // #define _XTAL_FREQ 64000000

void UART1_Initialize(void)
{
    // P1L 0; 
    U1P1L = 0x00;
    // P1H 0; 
    U1P1H = 0x00;
    // BRGS normal speed; MODE Asynchronous 8-bit mode; RXEN enabled; TXEN enabled; ABDEN disabled; 
    U1CON0 = 0x30;
    // RXBIMD Set RXIF on rising RX input; BRKOVR disabled; WUE disabled; SENDB disabled; ON enabled; 
    U1CON1 = 0x80;
    // TXPOL not inverted; FLO off; C0EN Checksum Mode 0; RXPOL not inverted; RUNOVF RX input shifter stops all activity; STP Transmit 1Stop bit, receiver verifies first Stop bit; 
    U1CON2 = 0x00;
    // BRGL 160; 
    U1BRGL = 0xA0;
    // BRGH 1; 
    U1BRGH = 0x01;
    // STPMD in middle of first Stop bit; TXWRE No error; 
    U1FIFO = 0x00;
}
