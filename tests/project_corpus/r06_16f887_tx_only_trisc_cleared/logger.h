#ifndef LOGGER_H
#define LOGGER_H

#include "board.h"

void log_init(void);
void log_byte(unsigned char b);
void log_text(const char *s);

#endif
