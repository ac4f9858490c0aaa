#ifndef SERIAL_H
#define SERIAL_H

#include "board.h"

#define SERIAL_BAUD 19200UL

void serial_open(void);
void serial_write(unsigned char b);
unsigned char serial_read(void);

#endif
