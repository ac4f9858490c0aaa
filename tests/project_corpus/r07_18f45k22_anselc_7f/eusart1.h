#ifndef EUSART1_H
#define EUSART1_H

#include "config.h"

void eusart1_init(void);
void eusart1_write(unsigned char b);
unsigned char eusart1_read(void);

#endif
