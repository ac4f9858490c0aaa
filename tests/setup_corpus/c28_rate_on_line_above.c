#include <xc.h>

void init_serial(void)
{
    TRISC |= 0xC0;

    // 19200bps
    SPBRG = 0x0C;
    TXSTA = 0x24;
    RCSTA = 0x90;
}
