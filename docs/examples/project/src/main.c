#include <xc.h>
#include "system.h"
#include "uart1.h"

void main(void)
{
    UART1_Initialize();
    while (1) {
        UART1_Write('U');
    }
}
