#ifndef CONSOLE_H
#define CONSOLE_H

#include "board.h"

void console_init(void);
void console_write(unsigned char b);
int console_read(void);

#endif
