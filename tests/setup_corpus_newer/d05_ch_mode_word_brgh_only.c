/* dsPIC33CH128MP508 master core, 180 MHz (90 MIPS), 460800 baud */
#define FCY 90000000UL
#include <xc.h>
#include <libpic30.h>

#define BAUD 460800UL

void uart_init(void)
{
    U1MODE = 0x0080;                  /* BRGH */
    U1MODEH = 0x0000;
    U1BRG = FCY / (4 * BAUD) - 1;
}
