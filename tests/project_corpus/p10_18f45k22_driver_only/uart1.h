/*
 * uart1.h - EUSART1 driver for PIC18F2xK22/4xK22 (RC6 = TX1, RC7 = RX1)
 */
#ifndef UART1_H
#define UART1_H

#include <stdint.h>
#include <stdbool.h>

#define UART1_BAUD 9600UL

/* 16-bit generator, BRGH = 1: divide by 4 */
#define UART1_BRG  ((_XTAL_FREQ / (4UL * UART1_BAUD)) - 1)

void uart1_init(void);
bool uart1_rx_ready(void);
uint8_t uart1_read(void);
void uart1_write(uint8_t b);

#endif
