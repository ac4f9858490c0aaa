/* PIC18F47Q43, UART1 on RC6 (TX) / RC7 (RX), 115200 baud, HFINTOSC 64 MHz. */
#include <xc.h>
#include "serial.h"

#pragma config FEXTOSC = OFF, RSTOSC = HFINTOSC_64MHZ
#pragma config CLKOUTEN = OFF, CSWEN = ON, FCMEN = OFF
#pragma config MCLRE = EXTMCLR, PWRTS = PWRT_OFF, MVECEN = OFF, LPBOREN = OFF, BOREN = SBORDIS
#pragma config BORV = VBOR_2P45, ZCD = OFF, PPS1WAY = OFF, STVREN = ON, LVP = ON, XINST = OFF
#pragma config WDTE = OFF

void main(void)
{
    uint8_t b;

    serial_init();
    for (;;) {
        b = serial_rx();
        serial_tx(b);
    }
}
