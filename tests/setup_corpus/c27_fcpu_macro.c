#include <xc.h>

#define F_CPU       8000000UL
#define USART_BAUD  38400UL
#define UBRR_VALUE  (F_CPU / (16UL * USART_BAUD) - 1)

void usart_init(void)
{
    TXSTAbits.BRGH = 1;
    SPBRG = UBRR_VALUE;
    TXSTAbits.TXEN = 1;
    RCSTAbits.CREN = 1;
    RCSTAbits.SPEN = 1;
}
