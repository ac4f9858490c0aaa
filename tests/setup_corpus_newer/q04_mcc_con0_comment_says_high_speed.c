// PIC18F57Q43, 64 MHz HFINTOSC. UART1 at 115200 for the GPS module.
#include <xc.h>

void UART1_Initialize(void)
{
    // BRGS high speed; MODE Asynchronous 8-bit mode; RXEN enabled; TXEN enabled; ABDEN disabled; 
    U1CON0 = 0x30;
    // RXBIMD Set RXIF on rising RX input; BRKOVR disabled; WUE disabled; SENDB disabled; ON enabled; 
    U1CON1 = 0x80;
    // BRGL 138; 
    U1BRGL = 0x8A;
    // BRGH 0; 
    U1BRGH = 0x00;
}
