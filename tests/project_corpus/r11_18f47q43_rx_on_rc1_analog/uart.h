#ifndef UART_H
#define UART_H

#include <stdint.h>

#define _XTAL_FREQ 64000000UL

/* UART1: RX from RC1, TX to RC6, 57600 baud */
void uart_setup(void);
void uart_send(uint8_t b);
uint8_t uart_receive(void);

#endif
