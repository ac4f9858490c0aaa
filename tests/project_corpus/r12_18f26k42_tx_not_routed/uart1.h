#ifndef UART1_H
#define UART1_H

#include <stdint.h>

#define _XTAL_FREQ 64000000UL

void uart1_init(void);
void uart1_write(uint8_t b);
uint8_t uart1_read(void);

#endif
