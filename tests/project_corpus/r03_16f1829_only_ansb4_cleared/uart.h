#ifndef UART_H
#define UART_H

#define _XTAL_FREQ 8000000UL

void uart_init(void);
void uart_tx(unsigned char c);
unsigned char uart_rx(void);

#endif
