#ifndef UART1_H
#define UART1_H

#include <stdint.h>

#define _XTAL_FREQ 64000000UL

void pins_init(void);
void uart1_init(void);
void uart1_put(uint8_t b);
uint8_t uart1_get(void);

#endif
