#ifndef UART_H
#define UART_H

#define FCY 3685000UL           /* FRC 7.37 MHz, Fcy = Fosc / 2 */

void uart_init(void);
void uart_put(unsigned char b);
unsigned char uart_get(void);

#endif
