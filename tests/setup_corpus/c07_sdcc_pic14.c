/* sdcc -mpic14 -p16f628a --use-non-free uart.c */
#include <pic16f628a.h>
#include <stdint.h>

static __code uint16_t __at (_CONFIG) cfg = _INTOSC_OSC_NOCLKOUT & _WDT_OFF & _LVP_OFF & _MCLRE_OFF;

#define FOSC  4000000L
#define BAUD  2400

void uart_init(void)
{
    TRISB |= 0x06;                      /* RB1 = RX, RB2 = TX */
    SPBRG = FOSC / (64L * BAUD) - 1;    /* low speed table value */
    TXSTA = 0x20;                       /* TXEN, BRGH = 0 */
    RCSTA = 0x90;                       /* SPEN, CREN */
}
