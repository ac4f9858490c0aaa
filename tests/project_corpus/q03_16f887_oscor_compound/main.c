#include "config.h"
#include <xc.h>
#include "usart.h"

void main(void)
{
    OSCCON |= 0x70;             /* run the internal block faster */

    ANSEL  = 0x00;
    ANSELH = 0x00;
    TRISB  = 0x00;

    usart_setup();
    for (;;) {
        if (PIR1bits.RCIF) {
            PORTB = RCREG;
            usart_send(PORTB);
        }
    }
}
