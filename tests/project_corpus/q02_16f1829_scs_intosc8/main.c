#include <xc.h>
#include "hw.h"

// CONFIG1
#pragma config FOSC = INTOSC
#pragma config WDTE = OFF
#pragma config PWRTE = OFF
#pragma config MCLRE = ON
#pragma config CP = OFF
#pragma config CPD = OFF
#pragma config BOREN = ON
#pragma config CLKOUTEN = OFF
#pragma config IESO = OFF
#pragma config FCMEN = OFF
// CONFIG2 (PLLEN left at its erased value ON)
#pragma config WRT = OFF
#pragma config PLLEN = ON
#pragma config STVREN = ON
#pragma config BORV = LO
#pragma config LVP = OFF

int main(void)
{
    OSCCON = 0x72;              /* SPLLEN 0, IRCF 1110, SCS 1x */
    while (!OSCSTATbits.HFIOFR) {}

    uart_init(9600);
    while (1) {
        uart_write(uart_read());
    }
    return 0;
}
