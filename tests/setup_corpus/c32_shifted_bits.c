#include <xc.h>

#define TXEN_BIT  5
#define BRGH_BIT  2
#define SPEN_BIT  7
#define CREN_BIT  4

void uart_init(void)
{
    TXSTA = 0;
    RCSTA = 0;
    SPBRG = 51;                                     // 9600 baud
    TXSTA |= (1 << TXEN_BIT) | (1 << BRGH_BIT);
    RCSTA |= (1 << SPEN_BIT) | (1 << CREN_BIT);
}
