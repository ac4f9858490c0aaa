/* PIC24FJ64GA002 on an 8 MHz crystal: command console on UART1. */
#include <xc.h>
#include "console.h"

_CONFIG2(POSCMOD_XT & FNOSC_PRI & OSCIOFNC_OFF & FCKSM_CSDCMD & IESO_OFF & IOL1WAY_OFF)
_CONFIG1(FWDTEN_OFF & JTAGEN_OFF & ICS_PGx1 & GWRP_OFF & GCP_OFF)

int main(void)
{
    int c;

    board_pins();
    console_init();
    for (;;) {
        c = console_read();
        if (c == '?')
            console_write('!');
        else if (c >= 0)
            console_write((unsigned char)c);
    }
    return 0;
}
