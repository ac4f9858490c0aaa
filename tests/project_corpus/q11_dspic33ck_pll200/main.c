/* dsPIC33CK256MP508 */
#pragma config FNOSC = FRCPLL
#pragma config IESO = OFF
#pragma config POSCMD = NONE
#pragma config OSCIOFNC = ON
#pragma config FCKSM = CSECMD
#pragma config ICS = PGD1
#pragma config JTAGEN = OFF

#include <xc.h>
#include "sysclk.h"

#define BAUD     115200UL
#define U1_BRG   ((FCY / (16UL * BAUD)) - 1UL)

void sysclk_init(void)
{
    /* step off the PLL before changing its dividers */
    __builtin_write_OSCCONH(0x00);              /* NOSC = FRC */
    __builtin_write_OSCCONL(OSCCON | 0x01);
    while (OSCCONbits.OSWEN) {}

    CLKDIVbits.PLLPRE = 1;                      /* N1 = 1 */
    PLLFBDbits.PLLFBDIV = 150;                  /* M = 150 */
    PLLDIVbits.POST1DIV = 3;                    /* N2 = 3 */
    PLLDIVbits.POST2DIV = 1;                    /* N3 = 1 */

    __builtin_write_OSCCONH(0x01);              /* NOSC = FRCPLL */
    __builtin_write_OSCCONL(OSCCON | 0x01);
    while (OSCCONbits.OSWEN) {}
    while (!OSCCONbits.LOCK) {}
}

static void uart1_init(void)
{
    U1MODE = 0;
    U1MODEH = 0;
    U1MODEHbits.BCLKSEL = 0;                    /* baud clock = FOSC/2 */
    U1MODEbits.MOD = 0;                         /* 8-bit async */
    U1MODEbits.BRGS = 0;                        /* 16 clocks per bit */
    U1BRG = U1_BRG;
    U1MODEbits.UARTEN = 1;
    U1MODEbits.UTXEN = 1;
}

int main(void)
{
    const char *msg = "boot\r\n";

    sysclk_init();
    uart1_init();
    while (*msg) {
        while (U1STAHbits.UTXBF) {}
        U1TXREG = *msg++;
    }
    for (;;) {}
    return 0;
}
