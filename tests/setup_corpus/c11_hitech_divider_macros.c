#include <htc.h>

#define BAUD        9600
#define FOSC        4000000L
#define NINE        0           /* 9-bit frames?                  */
#define HIGH_SPEED  1

#if NINE == 1
#define NINE_BITS   0x40
#else
#define NINE_BITS   0
#endif

#if HIGH_SPEED == 1
#define SPEED       0x4
#define DIVIDER     ((int)(FOSC/(16UL * BAUD) - 1))
#else
#define SPEED       0
#define DIVIDER     ((int)(FOSC/(64UL * BAUD) - 1))
#endif

void init_comms(void)
{
    SPBRG = DIVIDER;
    RCSTA = (NINE_BITS | 0x90);
    TXSTA = (SPEED | NINE_BITS | 0x20);
}
