#ifndef UART_H
#define UART_H

#include <stdint.h>

#define BAUD 115200UL
/* BRGH = 1: U1BRG = FCY / (4 * BAUD) - 1, rounded to the nearest */
#define BRGVAL (((FCY + 2UL * BAUD) / (4UL * BAUD)) - 1)

void uart_init(void);
void uart_write(uint8_t b);
uint8_t uart_read(void);

#endif
