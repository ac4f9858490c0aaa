#ifndef UART1_H
#define UART1_H

#include <stdint.h>
#include <stdbool.h>

void UART1_Init(void);
bool UART1_RxReady(void);
uint8_t UART1_Rx(void);
void UART1_Tx(uint8_t b);

#endif
