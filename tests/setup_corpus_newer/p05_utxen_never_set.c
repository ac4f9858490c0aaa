// PIC24FJ64GA004 @ 32 MHz (16 MIPS): log port, 19200 baud
#define FCY 16000000UL
#include <xc.h>
#include <libpic30.h>
#include <stdio.h>

void log_init(void)
{
    U1BRG = ((FCY / 19200) / 16) - 1;
    U1MODEbits.BRGH = 0;
    U1MODEbits.UARTEN = 1;
    printf("boot\r\n");      // stdout goes to UART1 under XC16
}
