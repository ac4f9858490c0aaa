// PIC32MM0064GPL036, FRC with PLL: 24 MHz. The UART runs from PBCLK = SYSCLK (CLKSEL = 00).
#include <xc.h>

#define SYS_FREQ 24000000UL

void uart_init(void)
{
    U1MODEbits.BRGH = 1;
    U1BRG = (SYS_FREQ / (4 * 115200)) - 1;
    U1STAbits.UTXEN = 1;
    U1STAbits.URXEN = 1;
    U1MODEbits.ON = 1;
}
