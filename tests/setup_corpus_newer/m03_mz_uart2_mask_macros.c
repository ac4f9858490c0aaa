// PIC32MZ2048EFH144, SYSCLK 200 MHz; UART2 on PBCLK2 (reset divider /2 = 100 MHz)
#include <xc.h>

#define SYS_FREQ 200000000UL

void uart2_init(void)
{
    U2MODE = 0;
    U2STA = 0;
    /* 115200 baud */
    U2BRG = 53;
    U2STASET = _U2STA_UTXEN_MASK | _U2STA_URXEN_MASK;
    U2MODESET = _U2MODE_ON_MASK;
}
