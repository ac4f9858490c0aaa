// PIC18F47Q84 - UART2 to the RS-485 transceiver, 9600 8N1
#include <xc.h>

#define _XTAL_FREQ 64000000UL
#define BAUD 9600UL
#define BRG_VAL ((_XTAL_FREQ + 8UL * BAUD) / (16UL * BAUD) - 1)

void rs485_init(void)
{
    U2CON0 = 0x30;                 // BRGS = 0, TXEN, RXEN, async 8-bit
    U2BRGH = (BRG_VAL >> 8) & 0xFF;
    U2BRGL = BRG_VAL & 0xFF;
    U2CON1 = 0x80;                 // ON
}
