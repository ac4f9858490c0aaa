/* PIC18F26K42, UART1 echo at 19200 baud, HFINTOSC 64 MHz. */
#include <xc.h>
#include "uart1.h"

#pragma config FEXTOSC = OFF, RSTOSC = HFINTOSC_64MHZ
#pragma config CLKOUTEN = OFF, PR1WAY = OFF, CSWEN = ON, FCMEN = OFF
#pragma config MCLRE = EXTMCLR, PWRTS = PWRT_OFF, MVECEN = OFF, IVT1WAY = OFF
#pragma config LPBOREN = OFF, BOREN = SBORDIS, BORV = VBOR_2P45, ZCD = OFF
#pragma config PPS1WAY = OFF, STVREN = ON, DEBUG = OFF, XINST = OFF
#pragma config WDTE = OFF, LVP = ON

void main(void)
{
    uart1_init();
    for (;;)
        uart1_write(uart1_read());
}
