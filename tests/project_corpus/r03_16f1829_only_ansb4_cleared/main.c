/* PIC16F1829, internal oscillator: reports a button on RB4, echoes serial input. */
#include <xc.h>
#include "uart.h"

#pragma config FOSC = INTOSC, WDTE = OFF, PWRTE = ON, MCLRE = ON, CP = OFF
#pragma config CPD = OFF, BOREN = ON, CLKOUTEN = OFF, IESO = OFF, FCMEN = OFF
#pragma config WRT = OFF, PLLEN = OFF, STVREN = ON, BORV = LO, LVP = OFF

void main(void)
{
    OSCCON = 0x72;              /* SPLLEN=0, IRCF=1110, SCS=10 */
    uart_init();
    for (;;) {
        if (PIR1bits.RCIF)
            uart_tx(uart_rx());
        if (!PORTBbits.RB4)
            uart_tx('B');
    }
}
