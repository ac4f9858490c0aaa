/* dsPIC33EP256GP502: FRC with PLL, PLL registers left at their reset values */
#pragma config FNOSC = FRCPLL
#pragma config IESO = OFF
#pragma config POSCMD = NONE
#pragma config OSCIOFNC = ON
#pragma config IOL1WAY = OFF
#pragma config FCKSM = CSDCMD
#pragma config FWDTEN = OFF
#pragma config ICS = PGD1
#pragma config JTAGEN = OFF

#include <xc.h>
#include "clock.h"
#include "uart1.h"

int main(void)
{
    uart1_init();
    while (1) {
        if (U1STAbits.URXDA) {
            uart1_putc((char)U1RXREG);
        }
    }
    return 0;
}
