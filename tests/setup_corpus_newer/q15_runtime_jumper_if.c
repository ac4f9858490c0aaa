// PIC18F15Q40 @ 64 MHz: jumper on RA2 picks 115200 (fitted) or 9600 (open)
#include <xc.h>

void uart_init(void)
{
    U1CON0 = 0x30;
    if (PORTAbits.RA2 == 0) {
        U1CON0bits.BRGS = 1;
        U1BRG = 138;
    } else {
        U1BRG = 416;
    }
    U1CON1 = 0x80;
}
