// µC: PIC16F88 – 8 MHz intern, Übertragungsrate 4800 Baud (±0,2 %)
#include <htc.h>
#define _XTAL_FREQ 8000000

void ser_init(void)
{
    ANSEL = 0x00;               // alle Pins digital
    TRISB5 = 1;
    TRISB2 = 1;
    BRGH  = 0;                  // niedrige Geschwindigkeit
    SPBRG = 25;                 // 8 MHz / (64 × 26) ~ 4808
    SYNC  = 0;
    SPEN  = 1;
    TXEN  = 1;
    CREN  = 1;                  // Empfänger an
}
