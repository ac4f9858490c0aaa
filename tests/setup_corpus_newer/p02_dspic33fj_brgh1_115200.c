/* dsPIC33FJ128GP802, 80 MHz from the PLL (40 MIPS) */
#define FCY 40000000UL
#include <xc.h>
#include <libpic30.h>

#define BAUDRATE 115200
#define BRGVAL ((FCY/BAUDRATE)/4)-1

void InitUART1(void)
{
    U1MODE = 0x8008;          // UARTEN, BRGH, 8N1
    U1STA = 0x0400;           // UTXEN
    U1BRG = BRGVAL;
}
