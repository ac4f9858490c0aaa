/* PIC16F1827 - internal oscillator, 4x PLL selectable */
#include <xc.h>

#define USE_PLL            // comment out for the 8 MHz build

#ifdef USE_PLL
  #define _XTAL_FREQ 32000000UL
#else
  #define _XTAL_FREQ 8000000UL
#endif

#define BAUD 57600UL

void eusart_init(void)
{
    BAUDCONbits.BRG16 = 1;
    TXSTAbits.BRGH    = 1;
    SPBRGH = 0;
    SPBRGL = (_XTAL_FREQ / (4 * BAUD)) - 1;
    RCSTA  = 0x90;
    TXSTAbits.TXEN    = 1;
}
