#ifndef USART_H
#define USART_H

#include <stdint.h>

void usart_init(void);
void usart_tx(uint8_t b);
uint8_t usart_rx(void);

#endif
