// PIC24FJ64GA002, FRCPLL: Fosc = 32 MHz, Fcy = 16 MHz
#define FCY 16000000UL
#include <xc.h>
#include <libpic30.h>

#define BAUDRATE 9600
#define BRGVAL ((FCY/BAUDRATE)/16)-1

void uart1_init(void)
{
    U1MODEbits.STSEL = 0;     // 1 stop bit
    U1MODEbits.PDSEL = 0b00;  // 8 bit, no parity
    U1MODEbits.ABAUD = 0;
    U1MODEbits.BRGH = 0;
    U1BRG = BRGVAL;
    U1MODEbits.UARTEN = 1;
    U1STAbits.UTXEN = 1;
    __delay_us(105);          // one bit time before the first character
}
