/* Serial echo on a PIC16F1829: EUSART RX on RB5, TX on RB7. */
#include <xc.h>
#include "uart.h"

#pragma config FOSC = INTOSC, WDTE = OFF, PWRTE = ON, MCLRE = ON, CP = OFF
#pragma config CPD = OFF, BOREN = ON, CLKOUTEN = OFF, IESO = OFF, FCMEN = OFF
#pragma config WRT = OFF, PLLEN = OFF, STVREN = ON, BORV = LO, LVP = OFF

static void clock_init(void)
{
    OSCCON = 0x7A;              /* SPLLEN=0, IRCF=1111, SCS=10 */
}

void main(void)
{
    char c;

    clock_init();
    uart_init();
    uart_puts("ready\r\n");
    for (;;) {
        c = uart_getc();
        uart_putc(c);
    }
}
