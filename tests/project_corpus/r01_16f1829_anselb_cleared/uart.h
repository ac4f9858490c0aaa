#ifndef UART_H
#define UART_H

#define _XTAL_FREQ 16000000UL
#define UART_BAUD  9600UL

void uart_init(void);
void uart_putc(char c);
void uart_puts(const char *s);
char uart_getc(void);

#endif
