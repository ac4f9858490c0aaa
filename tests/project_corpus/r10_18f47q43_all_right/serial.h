#ifndef SERIAL_H
#define SERIAL_H

#include <stdint.h>

void pins_init(void);

#define _XTAL_FREQ 64000000UL
#define SERIAL_BAUD 115200UL

void serial_init(void);
void serial_tx(uint8_t b);
uint8_t serial_rx(void);

#endif
