// PIC24FJ64GA002, 32 MHz: RB5 low selects the fast rate
#define FCY 16000000UL
#include <xc.h>
#include <libpic30.h>

void uart_init(void)
{
    U1MODE = 0;
    if (PORTBbits.RB5 == 0) {
        U1MODEbits.BRGH = 1;
        U1BRG = 34;            // 115200
    } else {
        U1BRG = 103;           // 9600
    }
    U1MODEbits.UARTEN = 1;
    U1STAbits.UTXEN = 1;
}
