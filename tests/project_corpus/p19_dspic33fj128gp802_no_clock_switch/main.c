/*
 * main.c - telemetry node: forwards radio bytes, reports once a second
 */
#include <xc.h>

_FOSCSEL(FNOSC_FRC & IESO_OFF)
_FOSC(POSCMD_NONE & OSCIOFNC_ON & IOL1WAY_OFF)
_FWDT(FWDTEN_OFF)
_FICD(ICS_PGD1 & JTAGEN_OFF)

#include "system.h"

static void clock_init(void)
{
    PLLFBD = 41;                        /* M = 43 */
    CLKDIVbits.PLLPOST = 0;             /* N2 = 2 */
    CLKDIVbits.PLLPRE = 0;              /* N1 = 2 */

    __builtin_write_OSCCONH(0x01);      /* NOSC = FRC + PLL */
    __builtin_write_OSCCONL(OSCCON | 0x01); /* OSWEN: start the switch */
}

int main(void)
{
    unsigned int ms = 0;

    clock_init();
    AD1PCFGL = 0xFFFF;
    uart1_init();

    while (1) {
        int c = uart1_getc();
        if (c >= 0)
            uart1_putc((char)c);
        __delay_ms(1);
        if (++ms == 1000) {
            ms = 0;
            uart1_putc('*');
        }
    }
    return 0;
}
