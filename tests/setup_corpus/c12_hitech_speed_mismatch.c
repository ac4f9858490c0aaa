#include <htc.h>

#define FOSC        20000000L
#define BAUD        9600
#define HIGH_SPEED  0           /* TODO: try 1 again */

#if HIGH_SPEED
 #define SPEED      0x04
#else
 #define SPEED      0x00
#endif

#define DIVIDER     ((unsigned char)(FOSC/(16UL*BAUD) - 1))

void serial_init(void)
{
    SPBRG = DIVIDER;
    TXSTA = SPEED | 0x20;
    RCSTA = 0x90;
}
