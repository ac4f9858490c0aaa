// PIC32MX795F512L, 8 MHz crystal, PLL to 80 MHz, peripheral bus at 40 MHz
#include <xc.h>

#pragma config FPLLMUL = MUL_20, FPLLIDIV = DIV_2, FPLLODIV = DIV_1
#pragma config POSCMOD = HS, FNOSC = PRIPLL, FPBDIV = DIV_2

#define SYS_FREQ 80000000UL
#define PB_FREQ  (SYS_FREQ / 2)

void uart1_init(void)
{
    U1MODE = 0;
    U1BRG = PB_FREQ / (16 * 115200) - 1;
    U1STASET = 0x1400;        // URXEN | UTXEN
    U1MODESET = 0x8000;       // ON
}
