#include <xc.h>
#include "serial.h"

void serial_init(void)
{
    pins_init();
    U1CON0bits.MODE = 0;        /* asynchronous 8-bit */
    U1CON0bits.BRGS = 1;
    U1BRGH = 0;
    U1BRGL = 138;               /* 115200 baud */
    U1CON0bits.TXEN = 1;
    U1CON0bits.RXEN = 1;
    U1CON1bits.ON = 1;
}

void serial_tx(uint8_t b)
{
    while (U1FIFObits.TXBF)
        ;
    U1TXB = b;
}

uint8_t serial_rx(void)
{
    while (U1FIFObits.RXBE)
        ;
    return U1RXB;
}
