/* PIC32MX250F128B */
#pragma config FPLLIDIV = DIV_2     // 8 MHz FRC / 2 = 4 MHz
#pragma config FPLLMUL = MUL_24
#pragma config FPLLODIV = DIV_2
#pragma config FNOSC = FRCPLL
#pragma config FSOSCEN = OFF
#pragma config IESO = OFF
#pragma config POSCMOD = OFF
#pragma config OSCIOFNC = OFF
#pragma config FPBDIV = DIV_1
#pragma config FCKSM = CSDCMD
#pragma config FWDTEN = OFF
#pragma config JTAGEN = OFF
#pragma config ICESEL = ICS_PGx1
#pragma config IOL1WAY = OFF

#include <xc.h>
#include "sys.h"

int main(void)
{
    uart1_init(9600);
    while (1) {
        if (U1STAbits.URXDA) {
            uart1_putc((char)U1RXREG);
        }
    }
    return 0;
}
