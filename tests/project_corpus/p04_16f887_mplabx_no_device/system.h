/* system.h - board definitions for the 887 serial terminal */
#ifndef SYSTEM_H
#define SYSTEM_H

#include <xc.h>
#include <stdint.h>

#define _XTAL_FREQ 8000000      // internal oscillator switched to 8 MHz in system_init()

#define BAUD_RATE  19200

void system_init(void);
void uart_init(void);
void uart_write(uint8_t b);
uint8_t uart_read(void);

#endif
