/* PIC32MX170F256B: prints a banner on UART1, internal FRC 8 MHz. */
#include <xc.h>
#include "uart.h"

#pragma config FNOSC = FRC, POSCMOD = OFF, FPBDIV = DIV_1, FSOSCEN = OFF
#pragma config OSCIOFNC = OFF, FCKSM = CSDCMD, IESO = OFF
#pragma config FWDTEN = OFF, JTAGEN = OFF, ICESEL = ICS_PGx1

int main(void)
{
    volatile unsigned int i;

    uart_init();
    for (;;) {
        uart_write("hello\r\n");
        for (i = 0; i < 100000; i++)
            ;
    }
    return 0;
}
