#ifndef UART_H
#define UART_H

#include <stdint.h>

#define UART_BAUD 9600UL

void uart_init(void);
void uart_putc(char c);
void uart_puts(const char *s);
uint8_t uart_getc(void);

#endif
