// PIC32MK1024GPE100 at 120 MHz; PBCLK2 = 60 MHz
#include <xc.h>

#define SYS_FREQ    120000000UL
#define PBCLK2_FREQ 60000000UL

void uart1_init(void)
{
    U1MODE = 0x0008;                               // BRGH
    U1BRG = PBCLK2_FREQ / (4 * 921600) - 1;
    U1STASET = _U1STA_UTXEN_MASK | _U1STA_URXEN_MASK;
    U1MODESET = _U1MODE_ON_MASK;
}
