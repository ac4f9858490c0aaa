#ifndef UART_H
#define UART_H

#include <stdint.h>

/* 57600 baud: BRG16 = 1, BRGH = 1, SPBRGH:SPBRG = 138 */
#define UART_SPBRG 138

void uart_init(void);
void uart_send(uint8_t b);
uint8_t uart_recv(void);

#endif
