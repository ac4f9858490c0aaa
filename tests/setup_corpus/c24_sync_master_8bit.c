/* synchronous master: clocks data into a shift register chain */
#include <xc.h>
#define _XTAL_FREQ 4000000

void shift_init(void)
{
    TXSTA = 0b10110000;     // CSRC | TXEN | SYNC
    RCSTA = 0b10000000;     // SPEN
    SPBRG = 9;              // 4 MHz / (4 * (9 + 1)) = 100000 baud
}
