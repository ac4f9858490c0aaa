// PIC24FJ64GA002, 32 MHz (16 MIPS)
#define FCY 16000000UL
#include <xc.h>
#include <libpic30.h>

void uart_set_rate(unsigned long baud)
{
    switch (baud) {
    case 9600:
        U1MODEbits.BRGH = 0;
        U1BRG = 103;
        break;
    case 19200:
        U1MODEbits.BRGH = 0;
        U1BRG = 51;
        break;
    case 115200:
        U1MODEbits.BRGH = 1;
        U1BRG = 34;
        break;
    }
}

void uart_init(void)
{
    U1MODE = 0;
    uart_set_rate(115200);
    U1MODEbits.UARTEN = 1;
    U1STAbits.UTXEN = 1;
}
