#include <htc.h>
#define _XTAL_FREQ 10000000

void serial_init(void)
{
    SPBRG = 64;         // 9600 @ 10 MHz, BRGH=1
    BRGH = 1;
    SYNC = 0;
    SPEN = 1;           // serial port on
    RCIE = 1;
    PEIE = 1;
    GIE  = 1;
}
