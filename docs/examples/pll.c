// PIC16F1829 on its internal oscillator, meant for 8 MHz
#pragma config FOSC = INTOSC, WDTE = OFF, LVP = OFF
#define _XTAL_FREQ 8000000

void uart_init(void) {
    OSCCON = 0x70;          // 8 MHz internal
    SPBRG = 51;             // 9600 baud at 8 MHz
    TXSTA = 0x24;
    RCSTA = 0x90;
}
