/*
 * system.h - PIC16F877A data logger board
 * 20 MHz HS crystal on OSC1/OSC2.
 */
#ifndef SYSTEM_H
#define SYSTEM_H

#include <xc.h>
#include <stdint.h>

#define _XTAL_FREQ 20000000

#define BAUD 9600

void ports_init(void);
void uart_init(void);
void uart_putch(char c);
char uart_getch(void);

#endif
