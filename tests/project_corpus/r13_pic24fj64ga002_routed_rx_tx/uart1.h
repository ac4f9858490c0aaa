#ifndef UART1_H
#define UART1_H

#define FCY 4000000UL           /* FRC 8 MHz, Fcy = Fosc / 2 */
#define UART1_BAUD 9600UL

void uart1_pins(void);
void uart1_init(void);
void uart1_putc(char c);
char uart1_getc(void);

#endif
