/* dsPIC33FJ128GP802: UART1 echo at 115200 baud, internal FRC. */
#include <xc.h>
#include "uart.h"

#pragma config FNOSC = FRC, IESO = OFF
#pragma config POSCMD = NONE, OSCIOFNC = ON, IOL1WAY = OFF, FCKSM = CSDCMD
#pragma config FWDTEN = OFF
#pragma config JTAGEN = OFF

int main(void)
{
    uart_init();
    for (;;)
        uart_put(uart_get());
    return 0;
}
