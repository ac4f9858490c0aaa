/* Configuración del puerto serie - transmisión a 9600 baudios */
#include <xc.h>
#define _XTAL_FREQ 20000000

void usart_config(void)
{
    SPBRG = 129;                /* velocidad: 9600 bps con BRGH=1 */
    TXSTAbits.BRGH = 1;         /* alta velocidad */
    TXSTAbits.SYNC = 0;         /* modo asíncrono */
    TXSTAbits.TXEN = 1;         /* habilita la transmisión */
    RCSTAbits.SPEN = 1;         /* habilita el módulo */
    RCSTAbits.CREN = 1;         /* recepción continua */
}
