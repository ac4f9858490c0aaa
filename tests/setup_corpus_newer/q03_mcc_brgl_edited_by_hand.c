// uart1.c from MCC for the PIC18F47Q84 at 64 MHz, then "tuned" by hand on the bench
#include <xc.h>

void UART1_Initialize(void)
{
    // BRGS high speed; MODE Asynchronous 8-bit mode; RXEN enabled; TXEN enabled; ABDEN disabled; 
    U1CON0 = 0xB0;
    // RXBIMD Set RXIF on rising RX input; BRKOVR disabled; WUE disabled; SENDB disabled; ON enabled; 
    U1CON1 = 0x80;
    // TXPOL not inverted; FLO off; RXPOL not inverted; RUNOVF RX input shifter stops all activity; STP Transmit 1Stop bit, receiver verifies first Stop bit; 
    U1CON2 = 0x00;
    // BRGL 138; 
    U1BRGL = 0x44;
    // BRGH 0; 
    U1BRGH = 0x00;
}
