#include <xc.h>
#include "system.h"

void clock_init(void)
{
    OSCCON1 = 0x62;                 /* NOSC = HFINTOSC, NDIV = 0010 */
    while (!OSCCON3bits.ORDY) {}
}

void main(void)
{
    clock_init();
    uart1_init(9600UL);
    while (1) {
        uart1_put(uart1_get());
    }
}
