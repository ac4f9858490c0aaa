// PIC32MX250F128B at 40 MHz, plib-style clock macros
#include <xc.h>

#pragma config FNOSC = FRCPLL, FPLLIDIV = DIV_2, FPLLMUL = MUL_20, FPLLODIV = DIV_2
#pragma config FPBDIV = DIV_1

#define SYS_FREQ (40000000L)
#define GetSystemClock()     (SYS_FREQ)
#define GetPeripheralClock() (GetSystemClock() / (1 << OSCCONbits.PBDIV))
#define BAUD 115200

void uart_init(void)
{
    U1MODEbits.BRGH = 1;
    U1BRG = (GetPeripheralClock() / (4 * BAUD)) - 1;
    U1STAbits.UTXEN = 1;
    U1STAbits.URXEN = 1;
    U1MODEbits.ON = 1;
}
