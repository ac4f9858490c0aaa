/* PIC16F887 on a 20 MHz crystal: sends a counter once a second, never receives. */
#include <xc.h>
#include "logger.h"

#pragma config FOSC = HS, WDTE = OFF, PWRTE = ON, MCLRE = ON, CP = OFF, CPD = OFF
#pragma config BOREN = OFF, IESO = OFF, FCMEN = OFF, LVP = OFF, DEBUG = OFF
#pragma config BOR4V = BOR40V, WRT = OFF

void main(void)
{
    unsigned char n = 0;

    board_init();
    log_init();
    log_text("start\r\n");
    for (;;) {
        log_byte((unsigned char)('0' + (n % 10)));
        log_text("\r\n");
        n++;
        __delay_ms(1000);
    }
}
