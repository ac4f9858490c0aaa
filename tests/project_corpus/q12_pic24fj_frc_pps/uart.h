#ifndef UART_H
#define UART_H
void uart_init(unsigned long baud);
void uart_tx(char c);
#endif
