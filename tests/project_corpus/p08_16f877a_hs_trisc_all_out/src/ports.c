/* ports.c - port directions for the logger board */
#include "../include/system.h"

void ports_init(void)
{
    ADCON1 = 0x06;              // PORTA and PORTE digital
    PORTA = 0x00;
    PORTB = 0x00;
    PORTC = 0x00;
    TRISA = 0x00;
    TRISB = 0xF0;               // RB4..RB7 keys
    TRISC = 0x00;               // RC0..RC5 relays, RC6 = TX
    TRISD = 0x00;               // LCD data
}
