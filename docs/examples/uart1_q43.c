// PIC18F47Q43 at 64 MHz, UART1 as the configurator writes it
#include <xc.h>
#define _XTAL_FREQ 64000000UL

void UART1_Initialize(void)
{
    // BRGS high speed; MODE Asynchronous 8-bit mode; RXEN enabled; TXEN enabled; ABDEN disabled; 
    U1CON0 = 0xB0;
    // BRGL 138; 
    U1BRGL = 0x8A;
    // BRGH 0; 
    U1BRGH = 0x00;
    // ON enabled; 
    U1CON1 = 0x80;
}

void UART1_Write(uint8_t txData)
{
    U1TXB = txData;
}
