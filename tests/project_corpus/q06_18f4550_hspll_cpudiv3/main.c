#include "config_bits.h"
#include <xc.h>
#include "serial.h"

void main(void)
{
    serial_begin(9600UL);
    while (1) {
        if (PIR1bits.RCIF) {
            serial_write(RCREG);
        }
    }
}
