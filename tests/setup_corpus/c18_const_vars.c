#include <xc.h>

const unsigned long fosc = 16000000UL;
const unsigned int  baud = 57600;

void uart_setup(void)
{
    TXSTA = 0b00100100;             // TXEN, BRGH
    RCSTA = 0b10010000;             // SPEN, CREN
    SPBRG = (unsigned char)(fosc / (16UL * baud) - 1);
}
