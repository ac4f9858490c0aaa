#include "system.h"

void system_init(void)
{
    OSCCON = 0x71;              // IRCF = 111, SCS = 1: internal oscillator
    while (!OSCCONbits.HTS)     // wait until the HFINTOSC is stable
        ;

    ANSEL  = 0x00;              // all digital
    ANSELH = 0x00;
    PORTD  = 0x00;
    TRISD  = 0x00;              // LEDs
}
