/* Potentiometer logger: reads the pot on RB4/AN10 and prints it at 9600 baud. */
#include "config_bits.h"
#include "system.h"
#include "uart.h"
#include <stdio.h>

static void ports_init(void)
{
    ANSELA = 0x00;
    ANSELC = 0x00;
    ANSELB = 0x30;                  // RB4 = AN10 (pot)
    TRISBbits.TRISB4 = 1;
    TRISCbits.TRISC0 = 0;           // LED
}

static uint16_t adc_read_an10(void)
{
    ADCON0 = (10 << 2) | 0x01;      // CHS = AN10, ADON
    __delay_us(20);
    ADCON0bits.GO_nDONE = 1;
    while (ADCON0bits.GO_nDONE)
        ;
    return ((uint16_t)ADRESH << 8) | ADRESL;
}

void main(void)
{
    char line[16];

    ports_init();
    ADCON1 = 0xA0;                  // right justified, Fosc/32, Vref = Vdd
    uart_init();
    uart_puts("pot logger\r\n");

    while (1) {
        sprintf(line, "%u\r\n", adc_read_an10());
        uart_puts(line);
        LATCbits.LATC0 ^= 1;
        __delay_ms(500);
    }
}
