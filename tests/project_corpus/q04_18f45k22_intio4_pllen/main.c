/* data logger, PIC18F45K22 */
#include <xc.h>
#include "app.h"

#pragma config FOSC = INTIO67, PLLCFG = OFF, PRICLKEN = ON, FCMEN = OFF, IESO = OFF
#pragma config PWRTEN = ON, BOREN = SBORDIS, WDTEN = OFF
#pragma config PBADEN = OFF, MCLRE = EXTMCLR, LVP = OFF, XINST = OFF

void main(void)
{
    unsigned char c;

    osc_init();
    eusart1_init();
    while (1) {
        while (!PIR1bits.RC1IF) {}
        c = RCREG1;
        while (!TXSTA1bits.TRMT) {}
        TXREG1 = c;
    }
}
