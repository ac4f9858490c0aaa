#include <xc.h>
#include "sys.h"

void uart1_init(unsigned int baud)
{
    ANSELA = 0;
    ANSELB = 0;
    TRISBbits.TRISB4 = 0;           /* TX on RB4 */
    TRISAbits.TRISA4 = 1;           /* RX on RA4 */

    RPB4R = 0b0001;                 /* RPB4 <- U1TX */
    U1RXR = 0b0010;                 /* U1RX <- RPA4 */

    U1MODE = 0;
    U1MODEbits.BRGH = 0;
    U1BRG = ((SYS_FREQ / 16 + baud / 2) / baud) - 1;   /* PBCLK = SYSCLK (FPBDIV = DIV_1) */
    U1STAbits.URXEN = 1;
    U1STAbits.UTXEN = 1;
    U1MODEbits.ON = 1;
}

void uart1_putc(char c)
{
    while (U1STAbits.UTXBF) {}
    U1TXREG = c;
}
