// PIC32MX795F512L: 8 MHz crystal, PLL to 80 MHz, peripheral bus at 40 MHz
#include <xc.h>
#pragma config POSCMOD = HS, FNOSC = PRIPLL, FPLLIDIV = DIV_2, FPLLMUL = MUL_20
#pragma config FPLLODIV = DIV_1, FPBDIV = DIV_2

#define SYS_FREQ 80000000UL
#define PB_FREQ  (SYS_FREQ / 2)

void uart1_init(void)
{
    U1MODE = 0;
    U1BRG = PB_FREQ / (16 * 115200) - 1;
    U1STASET = _U1STA_UTXEN_MASK | _U1STA_URXEN_MASK;
    U1MODESET = _U1MODE_ON_MASK;
}
