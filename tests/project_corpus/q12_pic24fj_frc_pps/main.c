#include "board_cfg.h"
#include <xc.h>
#include "uart.h"

int main(void)
{
    AD1PCFG = 0xFFFF;               /* all pins digital */
    uart_init(9600UL);
    while (1) {
        if (U1STAbits.URXDA) {
            uart_tx((char)U1RXREG);
        }
    }
    return 0;
}
