#include <xc.h>
#include "telemetry.h"

static void telemetry_pins(void)
{
    AD1PCFG = 0xFFFF;
    TRISBbits.TRISB7 = 0;
    __builtin_write_OSCCONL(OSCCON & 0xBF);
    RPOR3bits.RP7R = 3;         /* U1TX on RP7 */
    __builtin_write_OSCCONL(OSCCON | 0x40);
}

void telemetry_init(void)
{
    telemetry_pins();
    U1MODEbits.BRGH = 1;
    U1BRG = 51;                 /* 19200 baud */
    U1MODEbits.UARTEN = 1;
    U1STAbits.UTXEN = 1;
}

void telemetry_send(const char *s)
{
    while (*s) {
        while (U1STAbits.UTXBF)
            ;
        U1TXREG = *s++;
    }
}
